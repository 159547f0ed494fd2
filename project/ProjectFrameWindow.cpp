// The pane's window: its tool bar and tree, its sizing by the right edge, its context menus and
// the tree's notifications.
#include "project/ProjectFrameWindow.h"

#include <windowsx.h>

#include "app/System.h"
#include "editor/EditControlId.h"
#include "frame/Menu.h"
#include "frame/SidePane.h"
#include "frame/Workbench.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"

namespace {

// The frame refreshes the project name its title shows.
const UINT projectNameChangedMessage = WM_APP + 10;

}

const char *const ProjectFrameWindow::ClassName = "TamborelPFW";

ProjectFrameWindow::ProjectFrameWindow(Workbench &workbench) : workbench_(workbench) {}

// The window goes while the object is whole: its WM_DESTROY revokes the drop target.
ProjectFrameWindow::~ProjectFrameWindow() { Destroy(); }

bool ProjectFrameWindow::Create(HWND frame, HINSTANCE instance, int width) {
    RegisterClass(instance, ClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return Window::Create(0, ClassName, "", WS_CHILD | WS_THICKFRAME | WS_CLIPCHILDREN, 0, 0, width, 0, frame,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(ProjectPaneId)), instance, nullptr);
}

LRESULT ProjectFrameWindow::OnCreate(WPARAM, LPARAM) {
    HINSTANCE instance = GetInstance();
    toolBar_.Create(GetHandle(), instance);
    tree_.Create(GetHandle(), instance);
    ApplyToolTipSettings();
    Logger &log = System::Get().GetLogger();
    if (FAILED(RegisterDragDrop(GetHandle(), static_cast<IDropTarget *>(this))))
        log.Warn("%s", "project tree view control doesn't accept dropped files.");
    log.Debug("%s", "project tree view control is created.");
    return 0;
}

LRESULT ProjectFrameWindow::OnDestroy(WPARAM wParam, LPARAM lParam) {
    RevokeDragDrop(GetHandle());
    EndTreeDrag();
    tree_.Destroy();
    toolBar_.Destroy();
    System::Get().GetLogger().Debug("%s", "project tree view control is destoryed.");
    return OverlappedWindow::OnDestroy(wParam, lParam);
}

void ProjectFrameWindow::Place(int x, int y, int width, int height, bool toolBarShown) {
    placing_ = true;
    MoveWindow(GetHandle(), x, y, width, height, TRUE);
    Show(SW_SHOW);
    RECT client;
    GetClientRect(GetHandle(), &client);
    toolBar_.Show(toolBarShown ? SW_SHOW : SW_HIDE);
    const int top = toolBarShown ? toolBar_.Place() : 0;
    MoveWindow(tree_.GetHandle(), 0, top, client.right, client.bottom > top ? client.bottom - top : 0, TRUE);
    placing_ = false;
}

int ProjectFrameWindow::Width() const {
    RECT rect{};
    if (GetHandle())
        GetWindowRect(GetHandle(), &rect);
    return rect.right - rect.left;
}

LRESULT ProjectFrameWindow::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
    RECT frame{};
    GetClientRect(GetParent(), &frame);
    info->ptMinTrackSize.x = SidePane::MinimumWidth;
    info->ptMaxTrackSize.x = frame.right / 2 > SidePane::MinimumWidth ? frame.right / 2 : SidePane::MinimumWidth;
    return 0;
}

// Only the right edge sizes the pane; the others are plain border.
LRESULT ProjectFrameWindow::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT hit = OverlappedWindow::OnNcHitTest(wParam, lParam);
    switch (hit) {
    case HTCAPTION:
        return HTCLIENT;
    case HTLEFT:
    case HTTOP:
    case HTBOTTOM:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return HTBORDER;
    default:
        return hit;
    }
}

LRESULT ProjectFrameWindow::OnSize(WPARAM, LPARAM) {
    if (!placing_)
        workbench_.Layout();
    return 0;
}

// The frame switches tool tips and their colours without telling its parts; the mouse passes
// here on its way to a tool bar button, before any tip shows.
LRESULT ProjectFrameWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    ApplyToolTipSettings();
    return OverlappedWindow::OnSetCursor(wParam, lParam);
}

void ProjectFrameWindow::ApplyToolTipSettings() {
    System &system = System::Get();
    const LexerCommon &common = system.Settings().Common();
    const SystemColor &colors = system.Colors();
    toolBar_.ApplyToolTipSettings(common.tooltipVisible, colors.Lookup(common.tooltipFontColor),
                                  colors.Lookup(common.tooltipBackColor));
}

// The tool bar's and the context menus' commands are the frame's, which hands them to the
// project's command table.
LRESULT ProjectFrameWindow::OnCommand(WPARAM wParam, LPARAM lParam) { return SendMessageA(GetParent(), WM_COMMAND, wParam, lParam); }

LRESULT ProjectFrameWindow::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != tree_.GetHandle())
        return OverlappedWindow::OnContextMenu(wParam, lParam);
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (screen.x == -1 && screen.y == -1) {
        // The menu key: the selected item's place.
        HTREEITEM selected = tree_.GetSelection();
        if (!selected)
            return 0;
        const RECT label = tree_.LabelRect(selected);
        screen = POINT{label.left + 1, (label.top + label.bottom) / 2};
        ClientToScreen(tree_.GetHandle(), &screen);
    }
    ShowContextMenu(screen);
    return 0;
}

void ProjectFrameWindow::ShowContextMenu(POINT screen) {
    POINT client = screen;
    ScreenToClient(tree_.GetHandle(), &client);
    HTREEITEM item = tree_.HitTest(client);
    const ProjectNode *node = Node(item);
    if (!node)
        return;
    target_ = item;
    tree_.SelectItem(item);
    Menu menu;
    if (menu.Load(GetInstance(), node->isFolder ? IDR_MENU_PROJECT_FOLDER : IDR_MENU_PROJECT_FILE))
        menu.Track(GetHandle(), screen.x, screen.y);
}

LRESULT ProjectFrameWindow::OnNotify(WPARAM wParam, LPARAM lParam) {
    auto *header = reinterpret_cast<NMHDR *>(lParam);
    if (header && header->hwndFrom == tree_.GetHandle())
        return OnTreeNotify(*header);
    return OverlappedWindow::OnNotify(wParam, lParam);
}

// Whatever rebuilds the tree is posted: the tree control still works on the item after the
// notification returns.
LRESULT ProjectFrameWindow::OnTreeNotify(NMHDR &header) {
    switch (header.code) {
    case NM_DBLCLK:
        PostMessageA(GetHandle(), OpenSelectedMessage, 0, 0);
        return 0;
    case TVN_KEYDOWN:
        OnTreeKey(reinterpret_cast<NMTVKEYDOWN &>(header).wVKey);
        return 0;
    case TVN_BEGINLABELEDITA:
        return IsFolder(reinterpret_cast<NMTVDISPINFOA &>(header).item.hItem) ? FALSE : TRUE;
    case TVN_ENDLABELEDITA: {
        const TVITEMA &item = reinterpret_cast<NMTVDISPINFOA &>(header).item;
        if (item.pszText)
            Rename(item.hItem, item.pszText);
        // The label is set already when the name was taken.
        return FALSE;
    }
    case TVN_BEGINDRAGA:
        BeginTreeDrag(reinterpret_cast<NMTREEVIEWA &>(header));
        return 0;
    default:
        return 0;
    }
}

void ProjectFrameWindow::OnTreeKey(WORD key) {
    if (key == VK_DELETE) {
        PostMessageA(GetHandle(), RemoveSelectedMessage, 0, 0);
    } else if (key == VK_ESCAPE && dragState_ == 'D') {
        EndTreeDrag();
        tree_.SelectDropTarget(nullptr);
    }
}

LRESULT ProjectFrameWindow::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case MoveMessage:
        MoveItem(reinterpret_cast<HTREEITEM>(wParam), reinterpret_cast<HTREEITEM>(lParam));
        return 0;
    case CanDropMessage:
        return CanDrop(target_, reinterpret_cast<HTREEITEM>(wParam)) ? 1 : 0;
    case RenamedMessage:
        SaveAndReload();
        if (wParam)
            SendMessageA(GetParent(), projectNameChangedMessage, 0, 0);
        return 0;
    case RemoveSelectedMessage:
        RemoveProjectItem(tree_.GetSelection(), true);
        return 0;
    case OpenSelectedMessage:
        OpenSelected();
        return 0;
    default:
        return OverlappedWindow::OnAppMessage(message, wParam, lParam);
    }
}
