// A combo box.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class ComboBox : public Window {
public:
    int AddString(const char *text) const { return static_cast<int>(SendMessageA(GetHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char *text) const { return static_cast<int>(SendMessageA(GetHandle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text))); }
    void DeleteString(int index) const { SendMessageA(GetHandle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    int GetCount() const { return static_cast<int>(SendMessageA(GetHandle(), CB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(GetHandle(), CB_GETCURSEL, 0, 0)); }
    void SetCurSel(int index) const { SendMessageA(GetHandle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void ResetContent() const { SendMessageA(GetHandle(), CB_RESETCONTENT, 0, 0); }
    std::string GetItemText(int index) const {
        const LRESULT length = SendMessageA(GetHandle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length <= 0)
            return std::string();
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(GetHandle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        return text;
    }
};
