// A push button, check box or radio button.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class Button : public Window {
public:
    bool IsChecked() const { return SendMessageA(GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetCheck(bool checked) const { SendMessageA(GetHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
    void Enable(bool enabled) const { EnableWindow(GetHandle(), enabled); }
};
