// The project pane's tree control: one item per folder and file, with a folder and a file image.
#pragma once

#include "framework/ImageList.h"
#include "framework/TreeCtrl.h"

class ProjectTreeView : public TreeCtrl {
public:
    static constexpr int FolderImage = 0;
    static constexpr int FileImage = 1;

    bool Create(HWND pane, HINSTANCE instance);

    // An item after its last sibling.
    HTREEITEM InsertLast(HTREEITEM parent, const char *label, int image) const { return InsertItem(parent, TVI_LAST, label, image, 0); }
    // An item with no label or image yet: the next rebuild from the file names it.
    HTREEITEM InsertBare(HTREEITEM parent) const;
    void DeleteAll() const { DeleteItem(TVI_ROOT); }
    void SetLabel(HTREEITEM item, const char *label) const;

    void Expand(HTREEITEM item) const { ExpandItem(item, TVE_EXPAND); }
    void Collapse(HTREEITEM item) const { ExpandItem(item, TVE_COLLAPSE); }
    bool IsExpanded(HTREEITEM item) const;

    HTREEITEM GetChild(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSibling(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetSelection() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetFirstVisible() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
    void SelectItem(HTREEITEM item) const { Select(item, TVGN_CARET); }
    void SelectDropTarget(HTREEITEM item) const { Select(item, TVGN_DROPHILITE); }
    void ScrollToTop(HTREEITEM item) const { Select(item, TVGN_FIRSTVISIBLE); }

    // The item whose label or image is at a client point, or null.
    HTREEITEM HitTest(POINT point) const;
    // The item's label rectangle in client coordinates.
    RECT LabelRect(HTREEITEM item) const;
    // The image a drag of the item shows; the caller owns it.
    HIMAGELIST CreateDragImage(HTREEITEM item) const;

    // Colours; CLR_DEFAULT gives the system's.
    void SetColors(COLORREF text, COLORREF back) const;
    void SetRedraw(bool redraw) const;

private:
    ImageList images_;
};
