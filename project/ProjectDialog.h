// The project settings dialog: the startup file, the entry point, save-all-before-compile, and
// the project's total line count.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "resources/resource.h"

class DocumentView;
class ProjectFrameWindow;

class ProjectDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_PROJECT;
    ProjectDialog(ProjectFrameWindow &project, DocumentView &documents, bool modal = true);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnCtlColorStatic(HDC dc, HWND control) override;

private:
    void ShowPath(int edit, const char *text) const;
    void Browse(int edit, const char *title) const;
    std::string EditText(int edit) const;
    void Apply();

    ProjectFrameWindow &project_;
    DocumentView &documents_;
};
