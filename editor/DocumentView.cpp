#include "editor/DocumentView.h"

#include <windows.h>
#include <uxtheme.h>

#include <cstring>

#include "Scintilla.h"

#include "editor/EditControlId.h"
#include "frame/Menu.h"
#include "resources/resource.h"

DocumentView::DocumentView() = default;

DocumentView::~DocumentView() { DocumentView::Destroy(); }

bool DocumentView::Create(HWND frame, HINSTANCE instance) {
    frame_ = frame;
    if (!Window::Create(WS_EX_STATICEDGE | WS_EX_ACCEPTFILES, WC_TABCONTROLA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | TCS_MULTILINE, 0, 0, 0, 0, frame,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(DocumentViewId)), instance, nullptr))
        return false;
    // The program asks for no visual styles, yet Wine gives the tab control one, whose pane image
    // stretched over the whole page took longer to paint than everything else of the first
    // window. An empty class list does not switch it off there; a class no theme has does.
    SetWindowTheme(GetHandle(), nullptr, L"Tamborel");
    return true;
}

void DocumentView::Destroy() {
    DestroyAll();
    font_.Reset();
    TabCtrl::Destroy();
}

void DocumentView::DestroyAll() {
    DetachSplit();
    for (auto &document : documents_)
        document->Destroy();
    documents_.clear();
}

Document *DocumentView::At(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return documents_[static_cast<size_t>(index)].get();
}

int DocumentView::IndexOfPath(const char *path) const {
    for (int i = 0; i < Count(); ++i) {
        if (std::strcmp(documents_[static_cast<size_t>(i)]->path.Full(), path) == 0)
            return i;
    }
    return -1;
}

Document *DocumentView::FindByHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    for (auto &document : documents_) {
        if (document->GetHandle() == hwnd)
            return document.get();
    }
    if (split_.GetHandle() == hwnd)
        return &split_;
    return nullptr;
}

Document *DocumentView::Append() {
    auto document = std::make_unique<Document>();
    if (!document->Create(GetHandle(), Count(), nullptr))
        return nullptr;
    documents_.push_back(std::move(document));
    return documents_.back().get();
}

void DocumentView::Remove(int index) {
    if (index < 0 || index >= Count())
        return;
    if (split_.Exists()) {
        if (splitIndex_ == index)
            DetachSplit();
        else if (splitIndex_ > index)
            --splitIndex_;
    }
    std::unique_ptr<Document> removed = std::move(documents_[static_cast<size_t>(index)]);
    documents_.erase(documents_.begin() + index);
    for (int i = index; i < Count(); ++i)
        documents_[static_cast<size_t>(i)]->SetIndex(i);
    if (focusedView_ == removed->GetHandle())
        focusedView_ = nullptr;
    removed->Destroy();
}

void DocumentView::DetachSplit() {
    if (split_.Exists()) {
        split_.SetDocPointer(nullptr);
        split_.Destroy();
    }
    splitIndex_ = -1;
}

void DocumentView::ToggleSplit(unsigned char direction, HWND splitFrame) {
    Document *document = At(current_);
    if (!document)
        return;
    if (SplitShowsCurrent()) {
        if (direction == splitDirection_)
            DetachSplit();
        splitDirection_ = direction;
        return;
    }
    if (split_.Exists()) {
        split_.SetDocPointer(nullptr);
        splitIndex_ = current_;
    } else {
        if (!split_.Create(splitFrame, current_, nullptr))
            return;
        splitIndex_ = current_;
    }
    split_.ResetEmpty(document->Language(), document->path.Full(), document->inProject);
    split_.SetDocPointer(document->GetDocPointer());
    split_.Show(SW_SHOW);
    splitDirection_ = direction;
}

Document *DocumentView::ActiveView() {
    Document *document = At(current_);
    if (SplitShowsCurrent() && (focusedView_ == split_.GetHandle() || split_.GetFocus()))
        return &split_;
    return document;
}

void DocumentView::SetTabFont(int height, const char *face) {
    Font font;
    if (!font.Create(height, face))
        return;
    SetFont(font.Handle(), true);
    font_.Reset(font.Release());
}

LRESULT DocumentView::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == EditControlId) {
        if (HIWORD(wParam) == SCEN_SETFOCUS)
            focusedView_ = reinterpret_cast<HWND>(lParam);
        return SendMessageA(frame_, WM_COMMAND, wParam, lParam);
    }
    return TabCtrl::OnCommand(wParam, lParam);
}

LRESULT DocumentView::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(EditControlId))
        return SendMessageA(frame_, WM_NOTIFY, wParam, lParam);
    return TabCtrl::OnNotify(wParam, lParam);
}

LRESULT DocumentView::OnRButtonUp(WPARAM wParam, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const int tab = HitTest(point);
    if (tab < 0)
        return TabCtrl::OnRButtonUp(wParam, lParam);
    RECT rect = GetItemRect(tab);
    POINT corner{rect.left, rect.bottom};
    ClientToScreen(GetHandle(), &corner);
    contextIndex_ = tab;
    Menu menu;
    if (menu.Load(GetModuleHandleA(nullptr), IDR_MENU_TAB))
        menu.Track(frame_, corner.x, corner.y);
    return 0;
}

LRESULT DocumentView::OnMButtonUp(WPARAM wParam, LPARAM lParam) {
    if ((wParam & (MK_CONTROL | MK_SHIFT | MK_LBUTTON | MK_RBUTTON | MK_XBUTTON1 | MK_XBUTTON2)) == 0) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int tab = HitTest(point);
        if (tab >= 0)
            SendMessageA(frame_, CloseDocumentMessage, static_cast<WPARAM>(tab), 0);
    }
    contextIndex_ = -1;
    return 0;
}

LRESULT DocumentView::OnDropFiles(WPARAM wParam, LPARAM lParam) { return SendMessageA(frame_, WM_DROPFILES, wParam, lParam); }
