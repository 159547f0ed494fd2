// A tree view.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class TreeCtrl : public Window {
public:
    HTREEITEM InsertItem(HTREEITEM parent, HTREEITEM after, const char *text, int image, LPARAM data) const {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char *>(text);
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(SendMessageA(GetHandle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void DeleteItem(HTREEITEM item) const { SendMessageA(GetHandle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const { return reinterpret_cast<HTREEITEM>(SendMessageA(GetHandle(), TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item))); }
    void ExpandItem(HTREEITEM item, UINT code) const { SendMessageA(GetHandle(), TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)); }
    void Select(HTREEITEM item, UINT code) const { SendMessageA(GetHandle(), TVM_SELECTITEM, code, reinterpret_cast<LPARAM>(item)); }
    LPARAM GetItemData(HTREEITEM item) const {
        TVITEMA tv{};
        tv.mask = TVIF_PARAM;
        tv.hItem = item;
        SendMessageA(GetHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        return tv.lParam;
    }
    std::string GetItemText(HTREEITEM item) const {
        char buffer[520] = "";
        TVITEMA tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = buffer;
        tv.cchTextMax = sizeof buffer;
        SendMessageA(GetHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        return buffer;
    }
};
