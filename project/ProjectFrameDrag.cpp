// Moving items by dragging them inside the tree, and adding files dragged from the shell onto a
// folder.
#include "project/ProjectFrameWindow.h"

#include <windowsx.h>
#include <shellapi.h>

#include <exception>

#include "framework/Exception.h"
#include "framework/StorageMedium.h"

namespace {

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool OffersFiles(IDataObject *data) {
    FORMATETC format = FileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

DWORD DropEffect(DWORD allowed) {
    for (DWORD effect : {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_LINK})
        if (allowed & effect)
            return effect;
    return DROPEFFECT_NONE;
}

bool IsPlainFile(const char *file) {
    const DWORD attributes = GetFileAttributesA(file);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}

void ProjectFrameWindow::BeginTreeDrag(const NMTREEVIEWA &info) {
    HTREEITEM item = tree_.HitTest(info.ptDrag);
    const ProjectNode *node = Node(item);
    if (!node || node->parent == TVI_ROOT)
        return;
    tree_.SelectItem(item);
    target_ = item;
    dragImage_.Reset(tree_.CreateDragImage(item));
    ImageList_BeginDrag(dragImage_.Handle(), 0, 0, 0);
    ImageList_DragEnter(tree_.GetHandle(), info.ptDrag.x, info.ptDrag.y);
    SetCapture(GetHandle());
    dragState_ = 'D';
}

// Idle before the mouse goes: releasing it brings WM_CAPTURECHANGED, which ends a drag too.
void ProjectFrameWindow::EndTreeDrag() {
    if (dragState_ != 'D')
        return;
    dragState_ = 0;
    ImageList_DragLeave(tree_.GetHandle());
    ImageList_EndDrag();
    ReleaseCapture();
    dragImage_.Reset();
}

POINT ProjectFrameWindow::TreePoint(LPARAM panePoint) const {
    POINT point{GET_X_LPARAM(panePoint), GET_Y_LPARAM(panePoint)};
    MapWindowPoints(GetHandle(), tree_.GetHandle(), &point, 1);
    return point;
}

LRESULT ProjectFrameWindow::OnMouseMove(WPARAM wParam, LPARAM lParam) {
    if (dragState_ != 'D')
        return OverlappedWindow::OnMouseMove(wParam, lParam);
    ImageList_DragShowNolock(FALSE);
    const POINT point = TreePoint(lParam);
    HTREEITEM item = tree_.HitTest(point);
    const bool droppable = item && CanDrop(target_, item);
    if (droppable && tree_.GetChild(item))
        tree_.Expand(item);
    tree_.SelectDropTarget(droppable ? item : nullptr);
    ImageList_DragMove(point.x, point.y);
    ImageList_DragShowNolock(TRUE);
    return 0;
}

LRESULT ProjectFrameWindow::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
    if (dragState_ != 'D')
        return OverlappedWindow::OnLButtonUp(wParam, lParam);
    HTREEITEM dragged = target_;
    EndTreeDrag();
    HTREEITEM item = tree_.HitTest(TreePoint(lParam));
    tree_.SelectDropTarget(nullptr);
    if (item && CanDrop(dragged, item))
        PostMessageA(GetHandle(), MoveMessage, reinterpret_cast<WPARAM>(dragged), reinterpret_cast<LPARAM>(item));
    return 0;
}

LRESULT ProjectFrameWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    // Another window took the mouse (a switch to another program): the drag is over.
    if (message == WM_CAPTURECHANGED && dragState_ == 'D') {
        EndTreeDrag();
        tree_.SelectDropTarget(nullptr);
        return 0;
    }
    return OverlappedWindow::Dispatch(message, wParam, lParam);
}

bool ProjectFrameWindow::CanDrop(HTREEITEM dragged, HTREEITEM folder) const {
    const ProjectNode *node = Node(dragged);
    if (!node || node->parent == TVI_ROOT || !folder || folder == dragged || folder == node->parent || !IsFolder(folder))
        return false;
    return !IsInside(folder, dragged) && IsValidItemName(folder, node->name.c_str());
}

void ProjectFrameWindow::MoveItem(HTREEITEM dragged, HTREEITEM folder) {
    if (!CanDrop(dragged, folder))
        return;
    tree_.SelectItem(folder);
    target_ = folder;
    nodes_.at(dragged).parent = folder;
    SaveAndReload();
}

HTREEITEM ProjectFrameWindow::FolderAtScreenPoint(POINTL point) const {
    POINT client{point.x, point.y};
    ScreenToClient(tree_.GetHandle(), &client);
    HTREEITEM item = tree_.HitTest(client);
    return IsFolder(item) ? item : nullptr;
}

HRESULT ProjectFrameWindow::OnDragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) {
    return OnDragOver(data, keys, point, effect);
}

HRESULT ProjectFrameWindow::OnDragOver(IDataObject *data, DWORD, POINTL point, DWORD *effect) {
    HTREEITEM folder = OffersFiles(data) ? FolderAtScreenPoint(point) : nullptr;
    if (folder) {
        tree_.Expand(folder);
        target_ = folder;
        dragState_ = 'V';
    }
    *effect = folder ? DropEffect(*effect) : DROPEFFECT_NONE;
    tree_.SelectDropTarget(folder);
    return S_OK;
}

HRESULT ProjectFrameWindow::OnDragLeave() {
    dragState_ = 0;
    target_ = nullptr;
    tree_.SelectDropTarget(nullptr);
    return S_OK;
}

// The answer is "none" whatever was added: the files stay where they are, so the source must
// not delete them as after a move.
HRESULT ProjectFrameWindow::OnDrop(IDataObject *data, DWORD, POINTL point, DWORD *effect) {
    *effect = DROPEFFECT_NONE;
    try {
        HTREEITEM folder = OffersFiles(data) ? FolderAtScreenPoint(point) : nullptr;
        target_ = folder;
        if (folder && AddDroppedFiles(*data) > 0)
            SaveAndReload();
    } catch (const std::exception &e) {
        ReportException(e.what());
    }
    dragState_ = 0;
    tree_.SelectDropTarget(nullptr);
    InvalidateRect(GetHandle(), nullptr, TRUE);
    return S_OK;
}

int ProjectFrameWindow::AddDroppedFiles(IDataObject &data) {
    FORMATETC format = FileListFormat();
    StorageMedium medium;
    if (data.GetData(&format, medium.Receive()) != S_OK || !medium.Global())
        return 0;
    auto drop = static_cast<HDROP>(medium.Global());
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    int added = 0;
    for (UINT i = 0; i < count; ++i) {
        char file[MAX_PATH] = "";
        // A longer name would come back cut short: another file's name, or none.
        if (DragQueryFileA(drop, i, nullptr, 0) >= MAX_PATH || !DragQueryFileA(drop, i, file, MAX_PATH))
            continue;
        if (IsPlainFile(file) && AddFileToProject(file))
            ++added;
    }
    return added;
}
