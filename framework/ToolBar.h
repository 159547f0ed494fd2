// A tool bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class ToolBar : public Window {
public:
    void ButtonStructSize() const { SendMessageA(GetHandle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0); }
    bool AddButtons(const TBBUTTON *buttons, int count) const { return SendMessageA(GetHandle(), TB_ADDBUTTONSA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons)) != 0; }
    int ButtonCount() const { return static_cast<int>(SendMessageA(GetHandle(), TB_BUTTONCOUNT, 0, 0)); }
    void DeleteButton(int index) const { SendMessageA(GetHandle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0); }
    void EnableButton(int command, bool enabled) const { SendMessageA(GetHandle(), TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(enabled ? TRUE : FALSE, 0)); }
    bool IsButtonEnabled(int command) const { return SendMessageA(GetHandle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0; }
    RECT GetItemRect(int index) const {
        RECT rect{};
        SendMessageA(GetHandle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    void SetImageList(HIMAGELIST list) const { SendMessageA(GetHandle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)); }
    void SetHotImageList(HIMAGELIST list) const { SendMessageA(GetHandle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(list)); }
    void SetDisabledImageList(HIMAGELIST list) const { SendMessageA(GetHandle(), TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(list)); }
    void SetToolTips(HWND tips) const { SendMessageA(GetHandle(), TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips), 0); }
    void AutoSize() const { SendMessageA(GetHandle(), TB_AUTOSIZE, 0, 0); }
};
