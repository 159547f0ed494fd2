// A tool tip control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class ToolTip : public Window {
public:
    int GetToolCount() const { return static_cast<int>(SendMessageA(GetHandle(), TTM_GETTOOLCOUNT, 0, 0)); }
    bool GetTool(int index, TTTOOLINFOA &info) const {
        info.cbSize = sizeof info;
        return SendMessageA(GetHandle(), TTM_ENUMTOOLSA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) != 0;
    }
    bool AddTool(TTTOOLINFOA &info) const {
        info.cbSize = sizeof info;
        return SendMessageA(GetHandle(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
    void DelTool(TTTOOLINFOA &info) const {
        info.cbSize = sizeof info;
        SendMessageA(GetHandle(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    void SetToolRect(TTTOOLINFOA &info) const {
        info.cbSize = sizeof info;
        SendMessageA(GetHandle(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
    }
    void Activate(bool active) const { SendMessageA(GetHandle(), TTM_ACTIVATE, active, 0); }
    void SetTipTextColor(COLORREF colour) const { SendMessageA(GetHandle(), TTM_SETTIPTEXTCOLOR, colour, 0); }
    void SetTipBkColor(COLORREF colour) const { SendMessageA(GetHandle(), TTM_SETTIPBKCOLOR, colour, 0); }
};
