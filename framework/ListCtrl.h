// A list view.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class ListCtrl : public Window {
public:
    int InsertColumn(int index, const char *title, int width) const {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char *>(title);
        column.cx = width;
        return static_cast<int>(SendMessageA(GetHandle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
    }
    int InsertItem(int index, const char *text) const {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char *>(text);
        return static_cast<int>(SendMessageA(GetHandle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetItemText(int index, int column, const char *text) const {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<char *>(text);
        SendMessageA(GetHandle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    std::string GetItemText(int index, int column) const {
        char buffer[1024] = "";
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessageA(GetHandle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    int GetItemCount() const { return static_cast<int>(SendMessageA(GetHandle(), LVM_GETITEMCOUNT, 0, 0)); }
    void DeleteItem(int index) const { SendMessageA(GetHandle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0); }
    void DeleteAllItems() const { SendMessageA(GetHandle(), LVM_DELETEALLITEMS, 0, 0); }
    int GetNextSelected(int after = -1) const { return static_cast<int>(SendMessageA(GetHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED)); }
};
