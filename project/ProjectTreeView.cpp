#include "project/ProjectTreeView.h"

#include <cstring>

#include "editor/EditControlId.h"
#include "framework/Bitmap.h"
#include "resources/resource.h"

namespace {

const int imageSize = 16;
const int imageCount = 2;
const COLORREF maskColour = RGB(255, 0, 255);

}

bool ProjectTreeView::Create(HWND pane, HINSTANCE instance) {
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
    if (!TreeCtrl::Create(0, WC_TREEVIEWA, "", style, 0, 0, 0, 0, pane,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(ProjectTreeId)), instance, nullptr))
        return false;
    Bitmap strip;
    if (strip.Load(instance, IDB_PROJECT_TREE) && images_.Create(imageSize, imageSize, ILC_COLOR32 | ILC_MASK, imageCount, 0) &&
        images_.AddMasked(strip.Handle(), maskColour) == imageCount)
        SendMessageA(GetHandle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_.Handle()));
    return true;
}

HTREEITEM ProjectTreeView::InsertBare(HTREEITEM parent) const {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    return reinterpret_cast<HTREEITEM>(SendMessageA(GetHandle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void ProjectTreeView::SetLabel(HTREEITEM item, const char *label) const {
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = const_cast<char *>(label);
    SendMessageA(GetHandle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

bool ProjectTreeView::IsExpanded(HTREEITEM item) const {
    return (SendMessageA(GetHandle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

HTREEITEM ProjectTreeView::HitTest(POINT point) const {
    TVHITTESTINFO info{};
    info.pt = point;
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(GetHandle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    return (info.flags & TVHT_ONITEM) ? item : nullptr;
}

RECT ProjectTreeView::LabelRect(HTREEITEM item) const {
    // The message takes the item in the rectangle's place.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    SendMessageA(GetHandle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

HIMAGELIST ProjectTreeView::CreateDragImage(HTREEITEM item) const {
    return reinterpret_cast<HIMAGELIST>(SendMessageA(GetHandle(), TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item)));
}

void ProjectTreeView::SetColors(COLORREF text, COLORREF back) const {
    SendMessageA(GetHandle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    SendMessageA(GetHandle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
}

void ProjectTreeView::SetRedraw(bool redraw) const {
    SendMessageA(GetHandle(), WM_SETREDRAW, redraw, 0);
    if (redraw)
        InvalidateRect(GetHandle(), nullptr, TRUE);
}
