// A tab control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class TabCtrl : public Window {
public:
    int InsertItem(int index, const char *text) const {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char *>(text);
        return static_cast<int>(SendMessageA(GetHandle(), TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    }
    void SetItemText(int index, const char *text) const {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char *>(text);
        SendMessageA(GetHandle(), TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    std::string GetItemText(int index) const {
        char buffer[520] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessageA(GetHandle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    void DeleteItem(int index) const { SendMessageA(GetHandle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0); }
    int GetItemCount() const { return static_cast<int>(SendMessageA(GetHandle(), TCM_GETITEMCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(GetHandle(), TCM_GETCURSEL, 0, 0)); }
    void SetCurSel(int index) const { SendMessageA(GetHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0); }
    // The tab under a client point, or -1.
    int HitTest(POINT point) const {
        TCHITTESTINFO info{};
        info.pt = point;
        return static_cast<int>(SendMessageA(GetHandle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    }
    RECT GetItemRect(int index) const {
        RECT rect{};
        SendMessageA(GetHandle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    // The display area inside a window rectangle (larger = false) or the reverse.
    void AdjustRect(bool larger, RECT &rect) const { SendMessageA(GetHandle(), TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(&rect)); }
};
