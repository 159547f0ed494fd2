// The version dialog: the program's name and its file version.
#pragma once

#include "framework/Dialog.h"
#include "resources/resource.h"

class VersionDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_VERSION;
    explicit VersionDialog(bool modal = true);
    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
};
