// The status bar's place fields, the key-state refresh that runs only while the bar is shown,
// and menu help.
#include "FrameFixture.h"

#include <windows.h>

#include <string>

#include "app/System.h"
#include "editor/EditControlId.h"
#include "frame/MainStatusBar.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"

namespace {

class StatusBarTest : public FrameTest {
protected:
    std::string Part(int part) const { return frame->Status().GetPartText(part); }
    void Tick() const {
        SendMessageA(frame->GetHandle(), WM_TIMER, StatusTimerId, 0);
        Pump();
    }
    std::string MenuHelp(UINT item, UINT flags, HMENU menu) const {
        SendMessageA(frame->GetHandle(), WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
        // In simple mode every part reads as the simple text.
        return frame->Status().GetPartText(0);
    }
};

TEST_F(StatusBarTest, PlaceFieldsCountBytesAndLines) {
    Pump();
    EXPECT_EQ(Part(0), "     0.000 /     0.000 KB   (100%)");
    EXPECT_EQ(Part(1), " ( x =   0 /   0, y =      1 /      1 )");
    std::string text;
    for (int line = 1; line <= 10; ++line)
        text += "line " + std::to_string(line) + (line < 10 ? "\r\n" : "");
    OpenFile("ten.hsp", text);
    Current().GotoPos(Current().PositionFromLine(2));
    Pump();
    EXPECT_EQ(Part(0), "     0.016 /     0.079 KB   (20%)");
    EXPECT_EQ(Part(1), " ( x =   0 /   6, y =      3 /     10 )");
    // Double-byte characters count as two bytes.
    Current().GotoPos(Current().PositionFromLine(9) + 2);
    Current().ReplaceSel("あ");
    Pump();
    EXPECT_EQ(Part(1), " ( x =   4 /   9, y =     10 /     10 )");
    // Past 2^31 / 100 the percentage still comes out right.
    EXPECT_EQ(MainStatusBar::SizeText(30000000, 40000000), " 30000.000 / 40000.000 KB   (75%)");
}

TEST_F(StatusBarTest, KeyStatesRefreshOnlyWhileTheBarIsShown) {
    LexerCommon &common = System::Get().Settings().Common();
    ASSERT_TRUE(common.statusbarVisible);
    Tick();
    EXPECT_EQ(Part(4), " INS");
    Command(IDM_VIEW_STATUSBAR);
    ASSERT_FALSE(common.statusbarVisible);
    frame->Status().SetText(4, "stale");
    Tick();
    EXPECT_EQ(Part(4), "stale");
    Command(IDM_VIEW_STATUSBAR);
    Tick();
    EXPECT_EQ(Part(4), " INS");
    SendMessageA(Current().GetHandle(), WM_KEYDOWN, VK_INSERT, 0);
    Tick();
    EXPECT_EQ(Part(4), " OVR");
    const bool numLock = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    EXPECT_EQ(Part(5), numLock ? " NUM" : "");
}

TEST_F(StatusBarTest, MenuHelpShowsTheCommandsOrThePopupsTextOrNothing) {
    SendMessageA(frame->GetHandle(), WM_ENTERMENULOOP, FALSE, 0);
    EXPECT_TRUE(frame->Status().IsSimple());
    HMENU bar = frame->MenuBar().Handle();
    EXPECT_EQ(MenuHelp(IDM_UNDO, MF_HILITE, frame->MenuBar().Submenu(MainMenuBar::Edit)), "  直前の操作を元に戻します");
    EXPECT_EQ(MenuHelp(1, MF_POPUP | MF_HILITE, bar), "  ドキュメントの編集");
    EXPECT_EQ(MenuHelp(40119, MF_HILITE, frame->MenuBar().Submenu(MainMenuBar::Edit)), "");
    EXPECT_EQ(MenuHelp(0, 0xFFFF, nullptr), "");
    SendMessageA(frame->GetHandle(), WM_EXITMENULOOP, FALSE, 0);
    EXPECT_FALSE(frame->Status().IsSimple());
}

}
