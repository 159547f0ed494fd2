#include "FrameFixture.h"

#include <windows.h>

#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "app/System.h"
#include "frame/VersionDialog.h"

namespace {
bool Visible(const Document *view) { return view && IsWindowVisible(view->GetHandle()); }

RECT ClientRectOf(HWND hwnd, HWND in) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}
}

TEST_F(FrameTest, SplitTogglesOnOffAndMovesBetweenDirections) {
    OpenFile("split.hsp", "mes 1\r\n");
    DocumentView &view = frame->Documents();
    Command(IDM_SPLIT_HORIZONTAL);
    Document *pane = view.SplitPane();
    ASSERT_NE(nullptr, pane);
    EXPECT_TRUE(Visible(pane));
    EXPECT_EQ(Current().GetDocPointer(), pane->GetDocPointer());
    RECT document = ClientRectOf(Current().GetHandle(), frame->GetHandle());
    RECT below = ClientRectOf(pane->GetHandle(), frame->GetHandle());
    EXPECT_GE(below.top, document.bottom - 1);

    Command(IDM_SPLIT_VERTICAL);
    ASSERT_NE(nullptr, view.SplitPane());
    RECT right = ClientRectOf(view.SplitPane()->GetHandle(), frame->GetHandle());
    document = ClientRectOf(Current().GetHandle(), frame->GetHandle());
    EXPECT_GE(right.left, document.right - 1);

    Command(IDM_SPLIT_VERTICAL);
    EXPECT_EQ(nullptr, view.SplitPane());
}

TEST_F(FrameTest, SplitPaneFollowsTabSwitchesAndSharesTheText) {
    OpenFile("one.hsp", "one\r\n");
    OpenFile("two.hsp", "two\r\n");
    frame->Select(0);
    Command(IDM_SPLIT_HORIZONTAL);
    DocumentView &view = frame->Documents();
    ASSERT_NE(nullptr, view.SplitPane());

    frame->Select(1);
    EXPECT_FALSE(Visible(view.SplitPane()));
    frame->Select(0);
    EXPECT_TRUE(Visible(view.SplitPane()));

    view.SplitPane()->InsertText(0, "typed in the pane ");
    Pump();
    EXPECT_EQ("typed in the pane one\r\n", Current().GetText());
    EXPECT_EQ("one.hsp*", TabText(0));

    desktop.answers = {IDNO};
    ASSERT_TRUE(frame->Close(0));
    EXPECT_EQ(nullptr, view.SplitPane());
    EXPECT_EQ("two.hsp", TabText(0));
}

TEST_F(FrameTest, MiddleClickClosesTheClickedTabNotTheCurrentOne) {
    OpenFile("left.hsp", "");
    OpenFile("right.hsp", "");
    DocumentView &view = frame->Documents();
    RECT tab = view.GetItemRect(0);
    SendMessageA(view.GetHandle(), WM_MBUTTONUP, 0, MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    Pump();
    ASSERT_EQ(1, TabCount());
    EXPECT_EQ("right.hsp", TabText(0));
    EXPECT_EQ(-1, view.ContextIndex());
}

TEST_F(FrameTest, CancelWhileClosingTheFrameKeepsEverythingOpen) {
    OpenFile("keep.hsp", "");
    Edit("unsaved");
    desktop.answers = {IDCANCEL};
    SendMessageA(frame->GetHandle(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(IsWindow(frame->GetHandle()));
    EXPECT_TRUE(IsWindowVisible(frame->GetHandle()));
    EXPECT_EQ(1, TabCount());
    EXPECT_EQ("unsaved", Current().GetText());
}

TEST_F(FrameTest, HiddenMenuBarComesBackFromTheSystemMenu) {
    LexerCommon &common = System::Get().Settings().Common();
    Command(IDM_VIEW_MENUBAR);
    EXPECT_EQ(nullptr, GetMenu(frame->GetHandle()));
    EXPECT_FALSE(common.menubarVisible);
    HMENU system = GetSystemMenu(frame->GetHandle(), FALSE);
    EXPECT_FALSE(GetMenuState(system, IDM_SYS_SHOW_MENUBAR, MF_BYCOMMAND) & MF_GRAYED);

    common.modified = false;
    SendMessageA(frame->GetHandle(), WM_SYSCOMMAND, IDM_SYS_SHOW_MENUBAR, 0);
    EXPECT_EQ(frame->MenuBar().Handle(), GetMenu(frame->GetHandle()));
    EXPECT_TRUE(common.menubarVisible);
    EXPECT_TRUE(common.modified);
    EXPECT_TRUE(GetMenuState(system, IDM_SYS_SHOW_MENUBAR, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(FrameTest, FrameIsNeverNarrowerThan330Pixels) {
    MINMAXINFO info{};
    SendMessageA(frame->GetHandle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(330, info.ptMinTrackSize.x);
}

TEST_F(FrameTest, VersionDialogShowsTheFileVersion) {
    VersionDialog dialog(false);
    ASSERT_TRUE(dialog.Run(frame->GetHandle()));
    char text[64] = "";
    GetDlgItemTextA(dialog.GetHandle(), IDC_VERSION_TEXT, text, sizeof text);
    EXPECT_FALSE(System::Get().FileVersion().empty());
    EXPECT_EQ("(Ver. " + System::Get().FileVersion() + ")", std::string(text));
    // Every text fits on its line inside the dialog, whatever the font's widths.
    RECT client;
    GetClientRect(dialog.GetHandle(), &client);
    HDC dc = GetDC(dialog.GetHandle());
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog.GetHandle(), WM_GETFONT, 0, 0)));
    for (HWND child = GetWindow(dialog.GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char line[256] = "";
        GetWindowTextA(child, line, sizeof line);
        RECT needed{0, 0, 0, 0}, placed;
        DrawTextA(dc, line, -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        GetWindowRect(child, &placed);
        MapWindowPoints(nullptr, dialog.GetHandle(), reinterpret_cast<POINT *>(&placed), 2);
        EXPECT_LE(needed.right, placed.right - placed.left) << line;
        EXPECT_LE(placed.right, client.right) << line;
    }
    ReleaseDC(dialog.GetHandle(), dc);
    SendMessageA(dialog.GetHandle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
