// The pack file editor: the files listed in a script's "packfile", added, encrypted, decrypted
// and deleted, then written back with "完了".
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "hsp/PackFileList.h"
#include "hsp/PackList.h"
#include "resources/resource.h"

class HspPackFileDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_PACKFILE;
    // packfile: the target's folder + "packfile".
    explicit HspPackFileDialog(const std::string &packfile);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

    const PackList &List() const { return packList_; }

private:
    void AddFiles();
    void SetEncrypted(bool encrypted);
    void DeleteSelected();
    // The list written over the packfile; a failed write is told and the dialog stays.
    bool Save();
    void Refill();
    void Finish(INT_PTR result);

    PackList packList_;
    PackFileList list_;
};
