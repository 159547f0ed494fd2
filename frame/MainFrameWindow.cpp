#include "frame/MainFrameWindow.h"

#include "Scintilla.h"

#include "app/System.h"
#include "editor/EditControlId.h"
#include "editor/CompletionSource.h"
#include "editor/TypingAids.h"
#include "frame/CommandState.h"
#include "frame/SidePane.h"
#include "frame/Subsystems.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"

namespace {

const int minimumWidth = 330;
const UINT timerPeriod = 250;
const int statusFontHeight = 12;

// A tool bar or status bar places and sizes itself on WM_SIZE; its height is what it took.
int SizeBar(HWND bar) {
    SendMessageA(bar, WM_SIZE, 0, 0);
    RECT rect;
    GetWindowRect(bar, &rect);
    return rect.bottom - rect.top;
}

void Place(HWND window, const RECT &area) {
    MoveWindow(window, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

}

MainFrameWindow::MainFrameWindow() {
    subsystems_ = MakeSubsystems(*this);
    for (auto &subsystem : subsystems_)
        subsystemList_.push_back(subsystem.get());
}

MainFrameWindow::~MainFrameWindow() { Shutdown(); }

void MainFrameWindow::AddSubsystem(std::unique_ptr<Subsystem> subsystem) {
    subsystemList_.insert(subsystemList_.begin(), subsystem.get());
    subsystems_.push_back(std::move(subsystem));
}

void MainFrameWindow::Shutdown() {
    dialogs_.CloseModeless();
    documents_.Destroy();
    Destroy();
    subsystemList_.clear();
    subsystems_.clear();
}

LexerCommon &MainFrameWindow::Common() { return System::Get().Settings().Common(); }

LRESULT MainFrameWindow::OnCreate(WPARAM, LPARAM) {
    CreateChildren();
    Select(NewDocument());
    systemMenu_ = GetSystemMenu(GetHandle(), FALSE);
    if (systemMenu_) {
        InsertMenuA(systemMenu_, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        InsertMenuA(systemMenu_, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, IDM_SYS_SHOW_MENUBAR, "メニューバーを表示する");
    }
    RebuildCustomizedItems();
    ApplyVisibility();
    // With no part offering client programs, their popup stays off.
    menuBar_.EnablePopup(MainMenuBar::Client, false);
    for (Subsystem *subsystem : subsystemList_)
        subsystem->OnFrameCreated();
    timer_ = SetTimer(GetHandle(), StatusTimerId, timerPeriod, nullptr);
    DrawMenuBar(GetHandle());
    return 0;
}

void MainFrameWindow::CreateChildren() {
    HINSTANCE instance = GetInstance();
    HWND frame = GetHandle();
    menuBar_.Attach(frame);
    statusFont_.Create(statusFontHeight, "ＭＳ ゴシック");
    statusBar_.Create(frame, instance, statusFont_.Handle());
    toolBar_.Create(frame, instance);
    pathField_.Create(WS_EX_STATICEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 0, 0,
                      frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(PathFieldId)), instance, nullptr);

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) && menuFont_.CreateIndirect(metrics.lfMenuFont)) {
        System::Get().GetLogger().Debug("menu font ... name = %s, height = %d, weight = %d", metrics.lfMenuFont.lfFaceName,
                                        static_cast<int>(metrics.lfMenuFont.lfHeight), static_cast<int>(metrics.lfMenuFont.lfWeight));
        pathField_.SetFont(menuFont_.Handle(), false);
    } else {
        pathField_.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
    }

    documents_.Create(frame, instance);
    ApplyTabFont();
    splitFrame_.Create(frame, instance);
}

void MainFrameWindow::ApplyTabFont() {
    const LexerCommon &common = Common();
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    documents_.SetTabFont(-MulDiv(common.documentviewFontSize > 0 ? common.documentviewFontSize : 9, pixelsPerInch, 72),
                          common.documentviewFontFace);
}

void MainFrameWindow::ApplyVisibility() {
    LexerCommon &common = Common();
    SetMenu(common.menubarVisible ? menuBar_.Handle() : nullptr);
    if (systemMenu_)
        EnableMenuItem(systemMenu_, IDM_SYS_SHOW_MENUBAR, MF_BYCOMMAND | (common.menubarVisible ? MF_GRAYED : MF_ENABLED));
    statusBar_.Show(common.statusbarVisible ? SW_SHOW : SW_HIDE);
    toolBar_.Show(common.toolbarVisible ? SW_SHOW : SW_HIDE);
    const SystemColor &colors = System::Get().Colors();
    toolBar_.ApplyToolTipSettings(common.tooltipVisible, colors.Lookup(common.tooltipFontColor),
                                  colors.Lookup(common.tooltipBackColor));
    for (int i = 0; i < documents_.Count(); ++i) {
        documents_.At(i)->SetHScrollBar(common.horizontalScrollbarVisible);
        documents_.At(i)->SetVScrollBar(common.verticalScrollbarVisible);
    }
    SetWindowPos(GetHandle(), common.alwaysTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    menuBar_.CheckItem(IDM_VIEW_MENUBAR, common.menubarVisible);
    menuBar_.CheckItem(IDM_VIEW_STATUSBAR, common.statusbarVisible);
    menuBar_.CheckItem(IDM_VIEW_TOOLBAR, common.toolbarVisible);
    menuBar_.CheckItem(IDM_VIEW_TOOLTIP, common.tooltipVisible);
    menuBar_.CheckItem(IDM_VIEW_HSCROLLBAR, common.horizontalScrollbarVisible);
    menuBar_.CheckItem(IDM_VIEW_VSCROLLBAR, common.verticalScrollbarVisible);
    menuBar_.CheckItem(IDM_VIEW_TOPMOST, common.alwaysTopMost);
}

void MainFrameWindow::ApplySettings() {
    for (int i = 0; i < documents_.Count(); ++i)
        documents_.At(i)->Configure();
    if (Document *pane = documents_.SplitPane())
        pane->Configure();
    RebuildCustomizedItems();
    ApplyTabFont();
    ApplyVisibility();
    Layout();
}

void MainFrameWindow::Layout() {
    HWND frame = GetHandle();
    if (!frame || !documents_.GetHandle())
        return;
    RECT client;
    GetClientRect(frame, &client);
    int top = LayoutPathField(LayoutToolBar(0, client.right), client.right);
    const int bottom = LayoutStatusBar(client.bottom, client.right);
    if (bottom < top)
        top = bottom;
    const int left = LayoutSidePane(top, bottom);
    LayoutDocuments(RECT{left, top, client.right > left ? client.right : left, bottom});
    InvalidateRect(frame, nullptr, TRUE);
}

// The settings say what is shown: while the frame itself is hidden its children count as hidden.
int MainFrameWindow::LayoutToolBar(int top, int) {
    if (!Common().toolbarVisible)
        return top;
    const int height = SizeBar(toolBar_.GetHandle());
    toolBar_.UpdateToolRects();
    return top + height;
}

int MainFrameWindow::LayoutPathField(int top, int width) {
    const int height = GetSystemMetrics(SM_CYMENU);
    MoveWindow(pathField_.GetHandle(), 0, top, width, height, TRUE);
    return top + height;
}

int MainFrameWindow::LayoutStatusBar(int bottom, int width) {
    if (!Common().statusbarVisible)
        return bottom;
    const int height = SizeBar(statusBar_.GetHandle());
    statusBar_.SetPartsFor(width);
    return bottom - height;
}

int MainFrameWindow::LayoutSidePane(int top, int bottom) {
    SidePane *pane = Pane();
    if (!pane)
        return 0;
    if (!pane->PaneShown()) {
        pane->HidePane();
        return 0;
    }
    const int width = pane->PaneWidth() > SidePane::MinimumWidth ? pane->PaneWidth() : SidePane::MinimumWidth;
    pane->PlacePane(0, top, width, bottom - top, Common().toolbarVisible);
    return width;
}

SidePane *MainFrameWindow::Pane() const { return Find<SidePane>(); }

void MainFrameWindow::LayoutDocuments(const RECT &area) {
    Place(documents_.GetHandle(), area);
    RECT display{0, 0, area.right - area.left, area.bottom - area.top};
    documents_.AdjustRect(false, display);
    if (display.right < display.left)
        display.right = display.left;
    if (display.bottom < display.top)
        display.bottom = display.top;

    RECT documentArea = display;
    if (documents_.SplitShowsCurrent()) {
        RECT pane = display;
        if (documents_.SplitDirectionHorizontal()) {
            documentArea.bottom = display.top + (display.bottom - display.top) / 2;
            pane.top = documentArea.bottom;
        } else {
            documentArea.right = display.left + (display.right - display.left) / 2;
            pane.left = documentArea.right;
        }
        // The pane's frame is a child of the main window: tab coordinates move by the tab's origin.
        Place(splitFrame_.GetHandle(), RECT{pane.left + area.left, pane.top + area.top, pane.right + area.left, pane.bottom + area.top});
        splitFrame_.Show(SW_SHOW);
        SetWindowPos(splitFrame_.GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Document *paneView = documents_.SplitPane();
        Place(paneView->GetHandle(), RECT{0, 0, pane.right - pane.left, pane.bottom - pane.top});
        paneView->Show(SW_SHOW);
    } else {
        splitFrame_.Show(SW_HIDE);
    }
    if (Document *current = Current())
        Place(current->GetHandle(), documentArea);
}

LRESULT MainFrameWindow::OnSize(WPARAM wParam, LPARAM lParam) {
    if (wParam != SIZE_MINIMIZED)
        Layout();
    return OverlappedWindow::OnSize(wParam, lParam);
}

LRESULT MainFrameWindow::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    reinterpret_cast<MINMAXINFO *>(lParam)->ptMinTrackSize.x = minimumWidth;
    return 0;
}

LRESULT MainFrameWindow::OnSetFocus(WPARAM, LPARAM) {
    if (Document *view = ActiveView())
        view->GrabFocus();
    return 0;
}

LRESULT MainFrameWindow::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == IDM_SYS_SHOW_MENUBAR || wParam == IDM_SYS_SHOW_MENUBAR) {
        LexerCommon &common = Common();
        common.menubarVisible = true;
        common.SetModified();
        ApplyVisibility();
        Layout();
        return 0;
    }
    return OverlappedWindow::OnSysCommand(wParam, lParam);
}

LRESULT MainFrameWindow::OnTimer(WPARAM wParam, LPARAM lParam) {
    if (wParam != StatusTimerId)
        return OverlappedWindow::OnTimer(wParam, lParam);
    if (Common().statusbarVisible)
        statusBar_.ShowKeyStates(GetHandle(), ActiveView());
    return 0;
}

LRESULT MainFrameWindow::OnEnterMenuLoop(WPARAM, LPARAM) {
    RefreshMenuState();
    statusBar_.SetSimple(true);
    return 0;
}

LRESULT MainFrameWindow::OnExitMenuLoop(WPARAM, LPARAM) {
    statusBar_.SetSimple(false);
    // Their accelerators must always work, whatever the menu showed.
    menuBar_.EnableItem(IDM_SAVE, true);
    menuBar_.EnableItem(IDM_RELOAD, true);
    return 0;
}

LRESULT MainFrameWindow::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    statusBar_.ShowMenuHelp(GetInstance(), wParam, lParam, menuBar_.Handle());
    return 0;
}

LRESULT MainFrameWindow::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool fromKeyboard = point.x == -1 && point.y == -1;
    // The message climbs from the edit view through the tab strip (or the split frame), and on
    // the way its window may become the tab strip's: the point tells where the user clicked.
    Document *view = fromKeyboard ? documents_.FindByHandle(reinterpret_cast<HWND>(wParam))
                                  : documents_.FindByHandle(WindowFromPoint(point));
    if (fromKeyboard && !view && reinterpret_cast<HWND>(wParam) == documents_.GetHandle())
        view = ActiveView();
    if (!view)
        return OverlappedWindow::OnContextMenu(wParam, lParam);
    if (fromKeyboard) {
        RECT rect;
        GetWindowRect(view->GetHandle(), &rect);
        point = {rect.left, rect.top};
    }
    RefreshMenuState();
    menuBar_.ContextMenu().Track(GetHandle(), point.x, point.y);
    return 0;
}

LRESULT MainFrameWindow::OnDropFiles(WPARAM wParam, LPARAM) {
    OpenDroppedFiles(reinterpret_cast<HDROP>(wParam));
    return 0;
}

LRESULT MainFrameWindow::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header->idFrom == static_cast<UINT_PTR>(EditControlId)) {
        if (Document *view = documents_.FindByHandle(header->hwndFrom))
            OnEditNotification(*view, *reinterpret_cast<const SCNotification *>(lParam));
        return 0;
    }
    if (header->idFrom == static_cast<UINT_PTR>(DocumentViewId) && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        Select(documents_.GetCurSel());
        return 0;
    }
    return OverlappedWindow::OnNotify(wParam, lParam);
}

void MainFrameWindow::OnEditNotification(Document &view, const SCNotification &notification) {
    const bool pane = &view == documents_.SplitPane();
    switch (notification.nmhdr.code) {
    case SCN_SAVEPOINTLEFT:
    case SCN_SAVEPOINTREACHED:
        if (pane)
            break;
        view.SetModified(notification.nmhdr.code == SCN_SAVEPOINTLEFT);
        RefreshDocumentTexts(view.Index());
        if (notification.nmhdr.code == SCN_SAVEPOINTREACHED)
            RefreshStatus();
        break;
    case SCN_CHARADDED:
        TypingAids::For(view, Find<CompletionSource>()).CharAdded(notification.ch);
        break;
    case SCN_UPDATEUI:
        TypingAids::For(view, Find<CompletionSource>()).UpdateUi();
        RefreshStatus();
        break;
    case SCN_DWELLSTART: {
        // Only while the mouse is over this view, not over a window on top of it.
        POINT cursor;
        if (GetCursorPos(&cursor) && WindowFromPoint(cursor) == view.GetHandle())
            TypingAids::For(view, Find<CompletionSource>()).DwellStart(notification.position);
        break;
    }
    case SCN_DWELLEND:
        TypingAids::For(view, Find<CompletionSource>()).DwellEnd();
        break;
    default:
        break;
    }
    for (Subsystem *subsystem : subsystemList_)
        subsystem->OnEditNotification(view, notification);
}

LRESULT MainFrameWindow::OnUserMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    for (Subsystem *subsystem : subsystemList_)
        if (subsystem->OnFrameMessage(message, wParam, lParam, result))
            return result;
    return OverlappedWindow::OnUserMessage(message, wParam, lParam);
}

LRESULT MainFrameWindow::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == DocumentView::CloseDocumentMessage) {
        Close(static_cast<int>(wParam));
        return 0;
    }
    if (message == RefreshTitleMessage) {
        RefreshTitle();
        return 0;
    }
    LRESULT result = 0;
    for (Subsystem *subsystem : subsystemList_)
        if (subsystem->OnFrameMessage(message, wParam, lParam, result))
            return result;
    return OverlappedWindow::OnAppMessage(message, wParam, lParam);
}

void MainFrameWindow::StoreWindowPlacement() {
    LexerCommon &common = Common();
    HWND frame = GetHandle();
    if (IsZoomed(frame) || IsIconic(frame)) {
        common.initialWindowPositionX = common.initialWindowPositionY = 0;
        common.initialWindowSizeX = common.initialWindowSizeY = 0;
    } else {
        RECT rect;
        GetWindowRect(frame, &rect);
        common.initialWindowPositionX = rect.left;
        common.initialWindowPositionY = rect.top;
        common.initialWindowSizeX = rect.right - rect.left;
        common.initialWindowSizeY = rect.bottom - rect.top;
    }
    common.SetModified();
}

LRESULT MainFrameWindow::OnClose(WPARAM, LPARAM) {
    if (!CloseAll())
        return 0;
    if (timer_) {
        KillTimer(GetHandle(), timer_);
        timer_ = 0;
    }
    StoreWindowPlacement();
    ShowWindow(GetHandle(), SW_HIDE);
    for (Subsystem *subsystem : subsystemList_)
        subsystem->OnFrameClosing();
    dialogs_.CloseModeless();
    documents_.DestroyAll();
    Destroy();
    return 0;
}

LRESULT MainFrameWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
    PostQuitMessage(0);
    return OverlappedWindow::OnDestroy(wParam, lParam);
}

void MainFrameWindow::RefreshStatus() {
    Document *view = ActiveView();
    if (!Current() || !view)
        return;
    CommandState state(Current(), view, false);
    UpdateFrameState(state);
    for (Subsystem *subsystem : subsystemList_)
        subsystem->UpdateCommandState(state);
    state.ApplyToToolBar(toolBar_);
    statusBar_.ShowPosition(*view);
}

void MainFrameWindow::RebuildCustomizedItems() {
    const LexerCommon &common = Common();
    menuBar_.RebuildContextMenu(common.contextMenuItems);
    toolBar_.Rebuild(common.toolbarItems);
    RefreshStatus();
}
