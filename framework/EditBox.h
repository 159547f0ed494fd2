// A single- or multi-line edit control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class EditBox : public Window {
public:
    void SetText(const char *text) const { SetWindowTextA(GetHandle(), text); }
    void SetReadOnly(bool readOnly) const { SendMessageA(GetHandle(), EM_SETREADONLY, readOnly, 0); }
    void SetSelection(int start, int end) const { SendMessageA(GetHandle(), EM_SETSEL, static_cast<WPARAM>(start), end); }
    void LimitText(int bytes) const { SendMessageA(GetHandle(), EM_LIMITTEXT, static_cast<WPARAM>(bytes), 0); }
};
