// The samples of the HSP home (sample\<category>\*.hsp) with a read-only preview: run one, open
// it, or copy its text into a document. Modeless.
#pragma once

#include <string>

#include "editor/Document.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "resources/resource.h"

class Hsp;
class Workbench;

class HspSmpViewerDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_SAMPLE_VIEWER;
    // home: the HSP home, ending with a backslash.
    HspSmpViewerDialog(Workbench &workbench, const Hsp &hsp, std::string home);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

    // The chosen sample's path, empty when none is chosen.
    std::string SamplePath() const;
    const Document &Preview() const { return preview_; }

private:
    void CreatePreview();
    void PlaceControls();
    void FillCategories();
    void FillSamples();
    void ShowPreview();
    void RunSample();
    void CopySample();

    Workbench &workbench_;
    const Hsp &hsp_;
    std::string home_;
    ComboBox categories_;
    ListBox samples_;
    Document preview_;
};
