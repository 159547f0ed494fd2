// A list box.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class ListBox : public Window {
public:
    int AddString(const char *text) const { return static_cast<int>(SendMessageA(GetHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char *text) const { return static_cast<int>(SendMessageA(GetHandle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text))); }
    void DeleteString(int index) const { SendMessageA(GetHandle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    int GetCount() const { return static_cast<int>(SendMessageA(GetHandle(), LB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(GetHandle(), LB_GETCURSEL, 0, 0)); }
    void SetCurSel(int index) const { SendMessageA(GetHandle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void ResetContent() const { SendMessageA(GetHandle(), LB_RESETCONTENT, 0, 0); }
    void SetItemData(int index, LPARAM data) const { SendMessageA(GetHandle(), LB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    LPARAM GetItemData(int index) const { return SendMessageA(GetHandle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0); }
    std::string GetItemText(int index) const {
        const LRESULT length = SendMessageA(GetHandle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length <= 0)
            return std::string();
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(GetHandle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        return text;
    }
};
