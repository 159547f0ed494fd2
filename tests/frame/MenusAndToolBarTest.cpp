// The edit context menu and the tool bar built from the settings' lists, the item text rule,
// the image strips, and the menus and buttons following the document's state.
#include "FrameFixture.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/System.h"
#include "frame/MainToolBar.h"
#include "framework/ProgramDirectory.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/SelectableMenuItem.h"
#include "settings/Setting.h"
#include "settings/SystemFont.h"
#include "support/TestFiles.h"

namespace {

struct Item {
    UINT id;
    std::string text;
    bool separator;
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back({info.wID, text, (info.fType & MFT_SEPARATOR) != 0});
    }
    return items;
}

bool Grayed(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class MenusAndToolBar : public FrameTest {
protected:
    void TearDown() override {
        LexerCommon &common = System::Get().Settings().Common();
        common.contextMenuItems.clear();
        common.toolbarItems.clear();
        FrameTest::TearDown();
    }
    HMENU Context() const { return frame->MenuBar().ContextMenu().Handle(); }
    const MainToolBar &Bar() const { return frame->Tools(); }
    TBBUTTON Button(int index) const {
        TBBUTTON button{};
        SendMessageA(Bar().GetHandle(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        return button;
    }
    std::string ToolText(int index) const {
        char text[256] = "";
        TTTOOLINFOA tool{};
        tool.lpszText = text;
        Bar().Tips().GetTool(index, tool);
        return text;
    }
    void EnterMenu() const {
        SendMessageA(frame->GetHandle(), WM_ENTERMENULOOP, FALSE, 0);
        SendMessageA(frame->GetHandle(), WM_EXITMENULOOP, FALSE, 0);
    }
};

TEST_F(MenusAndToolBar, ContextMenuShowsTheEightDefaultsWithoutKeys) {
    const std::vector<Item> items = Items(Context());
    ASSERT_EQ(items.size(), 8u);
    const std::vector<std::pair<UINT, std::string>> expected{
        {IDM_UNDO, "元に戻す"}, {IDM_REDO, "やり直し"}, {0, ""}, {IDM_CUT, "切り取り"},
        {IDM_COPY, "コピー"},   {IDM_PASTE, "貼り付け"}, {0, ""}, {IDM_SELECT_ALL, "全て選択"}};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].separator, expected[i].first == 0) << i;
        if (expected[i].first) {
            EXPECT_EQ(items[i].id, expected[i].first) << i;
            EXPECT_EQ(items[i].text, expected[i].second) << i;
        }
    }
}

TEST_F(MenusAndToolBar, ItemTextCutsAtTheAccessKeyOrTheShortcut) {
    const MainMenuBar &bar = frame->MenuBar();
    EXPECT_EQ(bar.ItemText(0), std::string(32, '-'));
    EXPECT_EQ(bar.ItemText(IDM_INSERT_SEMICOLON_COMMENT), "; コメントを挿入");
    EXPECT_EQ(bar.ItemText(IDM_HSP_START_AX), "start.ax ファイル作成");
    // A client slot's text is only its key.
    EXPECT_EQ(bar.ItemText(IDM_CLIENT_F5), "");
    EXPECT_EQ(bar.ItemText(40119), "");
    // Every selectable command has a text of its own.
    const SelectableMenuItem table;
    for (int i = 1; i < SelectableMenuItem::Count; ++i) {
        if (table[i].id < IDM_CLIENT_F5 || table[i].id > IDM_CLIENT_F8) {
            EXPECT_FALSE(bar.ItemText(table[i].id).empty()) << table[i].id;
        }
    }
}

TEST_F(MenusAndToolBar, ListsReadFromTheSettingsFileStopAtTheFirstMissingIndex) {
    // A section file of its own, read the way the program reads its settings.
    const std::string settings = TestFiles::MakeTempFolder("tamborel-menus");
    CreateDirectoryA((settings + "lexer").c_str(), nullptr);
    TestFiles::Write(settings + "lexer\\_common.xml",
                     "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<body><style>"
                     "<type id=\"contextmenu\"><property id=\"index_1\">40002</property>"
                     "<property id=\"index_2\">0</property><property id=\"index_3\">40005</property>"
                     "<property id=\"index_5\">40028</property></type>"
                     "<type id=\"toolbaritem\"><property id=\"index_1\">40013</property>"
                     "<property id=\"index_2\">0</property><property id=\"index_3\">12345</property>"
                     "<property id=\"index_4\">40036</property></type></style><event/></body>\r\n");
    SetProgramDirectory(settings.c_str());
    const SystemFont fonts(std::vector<SystemFontData>{});
    const SelectableMenuItem table;
    LexerCommon common(fonts, table);
    common.Load(false);
    SetProgramDirectory(TestFiles::ProgramFolder().c_str());
    TestFiles::RemoveTree(settings);

    frame->MenuBar().RebuildContextMenu(common.contextMenuItems);
    const std::vector<Item> items = Items(Context());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text, "検索");
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[2].text, "次を検索");

    // An id that is not in the table becomes a separator.
    frame->Tools().Rebuild(common.toolbarItems);
    ASSERT_EQ(Bar().ButtonCount(), 4);
    EXPECT_EQ(Button(0).idCommand, IDM_SAVE);
    EXPECT_TRUE(Button(2).fsStyle & BTNS_SEP);
    EXPECT_EQ(Button(3).idCommand, IDM_UNDO);
    EXPECT_EQ(Button(3).iBitmap, 5);
}

TEST_F(MenusAndToolBar, DisablingACommandActsOnTheBarAndTheContextMenuAlike) {
    HMENU bar = frame->MenuBar().Handle();
    Current().SetText("some text");
    Current().GotoPos(0);
    EnterMenu();
    for (HMENU menu : {bar, Context()}) {
        EXPECT_TRUE(Grayed(menu, IDM_CUT));
        EXPECT_TRUE(Grayed(menu, IDM_COPY));
        EXPECT_FALSE(Grayed(menu, IDM_UNDO));
    }
    Current().SetSelectionStart(0);
    Current().SetSelectionEnd(4);
    EnterMenu();
    for (HMENU menu : {bar, Context()})
        EXPECT_FALSE(Grayed(menu, IDM_CUT));
}

TEST_F(MenusAndToolBar, ToolBarHasTheDefaultButtonsWithTheirImagesAndHelpTips) {
    const std::vector<int> &defaults = MainToolBar::DefaultItems();
    ASSERT_EQ(defaults.size(), 37u);
    ASSERT_EQ(Bar().ButtonCount(), 37);
    const SelectableMenuItem table;
    int tools = 0;
    for (int i = 0; i < 37; ++i) {
        const TBBUTTON button = Button(i);
        if (defaults[static_cast<size_t>(i)] == 0) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP) << i;
            continue;
        }
        EXPECT_EQ(button.idCommand, defaults[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(button.iBitmap, table.PositionOf(button.idCommand)) << i;
        ++tools;
    }
    ASSERT_EQ(Bar().Tips().GetToolCount(), tools);
    EXPECT_EQ(ToolText(0), "新規ドキュメントを作成します");
    EXPECT_EQ(ToolText(tools - 1), "全てのドキュメントを閉じます");
    for (const ImageList *list : {&Bar().Images(), &Bar().HotImages(), &Bar().DisabledImages()})
        EXPECT_EQ(list->Count(), MainToolBar::ImageCount);

    // Rebuilding replaces every button and tip.
    System::Get().Settings().Common().toolbarItems = {IDM_FIND, IDM_FIND_NEXT};
    frame->RebuildCustomizedItems();
    EXPECT_EQ(Bar().ButtonCount(), 2);
    EXPECT_EQ(Bar().Tips().GetToolCount(), 2);
    EXPECT_EQ(ToolText(1), "次を検索します");
}

TEST_F(MenusAndToolBar, ImageStripsHoldFortyThreeIconsAndTheDisabledOneIsGrey) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto pixels = [instance](int resource) {
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        DIBSECTION section{};
        std::vector<COLORREF> colours;
        if (!bitmap || !GetObjectA(bitmap, sizeof section, &section))
            return colours;
        EXPECT_EQ(section.dsBm.bmWidth, 16 * MainToolBar::ImageCount);
        EXPECT_EQ(section.dsBm.bmHeight, 16);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < section.dsBm.bmWidth; ++x)
                colours.push_back(GetPixel(dc, x, y));
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
        return colours;
    };
    const COLORREF mask = RGB(255, 0, 255);
    auto grey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); };
    const std::vector<COLORREF> normal = pixels(IDB_TOOLBAR);
    const std::vector<COLORREF> disabled = pixels(IDB_TOOLBAR_DISABLED);
    ASSERT_EQ(normal.size(), 16u * 16 * MainToolBar::ImageCount);
    ASSERT_EQ(disabled.size(), normal.size());
    size_t coloured = 0;
    for (size_t i = 0; i < normal.size(); ++i) {
        // Both strips are cut from the same shapes.
        EXPECT_EQ(normal[i] == mask, disabled[i] == mask) << i;
        if (disabled[i] != mask) {
            EXPECT_TRUE(grey(disabled[i])) << i;
        }
        coloured += normal[i] != mask && !grey(normal[i]);
    }
    EXPECT_GT(coloured, normal.size() / 8);
    // Every image of a command has something drawn in it; the separator's and the spare are empty.
    for (int image = 0; image < MainToolBar::ImageCount; ++image) {
        size_t drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += normal[static_cast<size_t>(y * 16 * MainToolBar::ImageCount + image * 16 + x)] != mask;
        if (image == 0 || image == MainToolBar::ImageCount - 1) {
            EXPECT_EQ(drawn, 0u) << image;
        } else {
            EXPECT_GT(drawn, 40u) << image;
        }
    }
}

TEST_F(MenusAndToolBar, ButtonsFollowTheDocumentAfterEachUpdate) {
    const std::string path = MakeFile("a.hsp", "mes 1\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    Pump();
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_SAVE));
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_UNDO));
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_CUT));
    Current().ReplaceSel("x");
    Pump();
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_SAVE));
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_UNDO));
    Current().SetSelectionStart(0);
    Current().SetSelectionEnd(3);
    Pump();
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_CUT));
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_COPY));
    Command(IDM_SAVE);
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_SAVE));
}

TEST_F(MenusAndToolBar, ToolTipTakesItsColoursAndSwitchFromTheSettings) {
    LexerCommon &common = System::Get().Settings().Common();
    HWND tips = Bar().Tips().GetHandle();
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tips, TTM_GETTIPBKCOLOR, 0, 0)), common.tooltipBackColor);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tips, TTM_GETTIPTEXTCOLOR, 0, 0)), common.tooltipFontColor);
    const bool before = common.tooltipVisible;
    Command(IDM_VIEW_TOOLTIP);
    EXPECT_EQ(common.tooltipVisible, !before);
    EXPECT_EQ((GetMenuState(frame->MenuBar().Handle(), IDM_VIEW_TOOLTIP, MF_BYCOMMAND) & MF_CHECKED) != 0, !before);
    Command(IDM_VIEW_TOOLTIP);
    EXPECT_EQ(common.tooltipVisible, before);
}

}
