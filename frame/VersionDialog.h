// The version dialog: the program's name and its file version.
#pragma once

#include "framework/Dialog.h"

class VersionDialog : public Dialog {
public:
    explicit VersionDialog(bool modal = true);
    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
};
