// The edit context menu and the tool bar built from the settings' lists, the item text rule,
// the image strips, and the menus and buttons following the document's state.
#include "FrameFixture.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "frame/MainToolBar.h"
#include "resources/resource.h"
#include "settings/SelectableMenuItem.h"

namespace {

// Each item as its text, or "-" for a separator.
std::vector<std::string> Items(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = "";
        MENUITEMINFOA info{sizeof info, MIIM_STRING | MIIM_FTYPE};
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back(info.fType & MFT_SEPARATOR ? "-" : text);
    }
    return items;
}

bool Grayed(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

class MenusAndToolBar : public FrameTest {
protected:
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
    EXPECT_EQ(Items(Context()), (std::vector<std::string>{"元に戻す", "やり直し", "-", "切り取り", "コピー", "貼り付け", "-", "全て選択"}));
    EXPECT_EQ(GetMenuItemID(Context(), 7), static_cast<UINT>(IDM_SELECT_ALL));
}

// A right click in the text (of a document or of the split pane) opens the edit context menu
// over it, however the message climbs to the frame.
TEST_F(MenusAndToolBar, RightClickInTheTextOpensTheContextMenu) {
    static int menusSeen;
    menusSeen = 0;
    const auto rightClick = [](HWND view) {
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            // Wine says "in menu mode" where Windows adds "popup".
            if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)))
                ++menusSeen;
            EndMenu();
        });
        RECT rect;
        GetWindowRect(view, &rect);
        SendMessageA(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), MAKELPARAM(rect.left + 40, rect.top + 20));
        Pump();
    };
    rightClick(Current().GetHandle());
    EXPECT_EQ(1, menusSeen);
    Command(IDM_SPLIT_HORIZONTAL);
    ASSERT_NE(nullptr, frame->Documents().SplitPane());
    rightClick(frame->Documents().SplitPane()->GetHandle());
    EXPECT_EQ(2, menusSeen);
}

TEST_F(MenusAndToolBar, ItemTextCutsAtTheAccessKeyOrTheShortcut) {
    const MainMenuBar &bar = frame->MenuBar();
    EXPECT_EQ(bar.ItemText(0), std::string(32, '-'));
    EXPECT_EQ(bar.ItemText(IDM_INSERT_SEMICOLON_COMMENT), "; コメントを挿入");
    EXPECT_EQ(bar.ItemText(IDM_HSP_START_AX), "start.ax ファイル作成");
    // A client slot's text is only its key.
    EXPECT_EQ(bar.ItemText(IDM_CLIENT_F5), "");
    const SelectableMenuItem table;
    for (int i = 1; i < SelectableMenuItem::Count; ++i) {
        if (table[i].id < IDM_CLIENT_F5 || table[i].id > IDM_CLIENT_F8) {
            EXPECT_FALSE(bar.ItemText(table[i].id).empty()) << table[i].id;
        }
    }
}

// An id outside the selectable table is a separator; each button shows its command's image and
// has a help tip.
TEST_F(MenusAndToolBar, ListsRebuildTheContextMenuAndTheBarWithTheirTips) {
    ASSERT_EQ(Bar().ButtonCount(), 37);
    ASSERT_EQ(Bar().Tips().GetToolCount(), 27);
    EXPECT_EQ(ToolText(0), "新規ドキュメントを作成します");
    EXPECT_EQ(ToolText(26), "全てのドキュメントを閉じます");

    frame->MenuBar().RebuildContextMenu({IDM_FIND, 0, IDM_FIND_NEXT});
    EXPECT_EQ(Items(Context()), (std::vector<std::string>{"検索", "-", "次を検索"}));
    frame->Tools().Rebuild({IDM_SAVE, 0, 12345, IDM_UNDO});
    ASSERT_EQ(Bar().ButtonCount(), 4);
    EXPECT_EQ(Button(0).idCommand, IDM_SAVE);
    EXPECT_TRUE(Button(2).fsStyle & BTNS_SEP);
    EXPECT_EQ(Button(3).iBitmap, 5);
    ASSERT_EQ(Bar().Tips().GetToolCount(), 2);
    EXPECT_EQ(ToolText(1), "直前の操作を元に戻します");
}

TEST_F(MenusAndToolBar, CommandStatesFollowTheDocumentInBothMenusAndTheBar) {
    OpenFile("a.hsp", "mes 1\r\n");
    HMENU bar = frame->MenuBar().Handle();
    EnterMenu();
    for (HMENU menu : {bar, Context()}) {
        EXPECT_TRUE(Grayed(menu, IDM_CUT));
        EXPECT_TRUE(Grayed(menu, IDM_UNDO));
    }
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_SAVE));
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_CUT));
    Current().ReplaceSel("x");
    Current().SetSelectionStart(0);
    Current().SetSelectionEnd(3);
    Pump();
    EnterMenu();
    for (HMENU menu : {bar, Context()}) {
        EXPECT_FALSE(Grayed(menu, IDM_CUT));
        EXPECT_FALSE(Grayed(menu, IDM_UNDO));
    }
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_SAVE));
    EXPECT_TRUE(Bar().IsButtonEnabled(IDM_CUT));
    Command(IDM_SAVE);
    EXPECT_FALSE(Bar().IsButtonEnabled(IDM_SAVE));
}

// The pixels of a 16-pixel-high strip, row by row.
std::vector<COLORREF> Pixels(int resource) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    std::vector<COLORREF> colours;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info) || info.bmWidth != 16 * MainToolBar::ImageCount || info.bmHeight != 16)
        return colours;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            colours.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return colours;
}

TEST_F(MenusAndToolBar, ImageStripsHoldFortyThreeIconsAndTheDisabledOneIsGrey) {
    for (const ImageList *list : {&Bar().Images(), &Bar().HotImages(), &Bar().DisabledImages()})
        EXPECT_EQ(list->Count(), MainToolBar::ImageCount);
    const COLORREF mask = RGB(255, 0, 255);
    auto grey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); };
    const std::vector<COLORREF> normal = Pixels(IDB_TOOLBAR), disabled = Pixels(IDB_TOOLBAR_DISABLED);
    ASSERT_EQ(normal.size(), 16u * 16 * MainToolBar::ImageCount);
    ASSERT_EQ(disabled.size(), normal.size());
    size_t coloured = 0;
    std::vector<size_t> drawn(MainToolBar::ImageCount);
    for (size_t i = 0; i < normal.size(); ++i) {
        // Both strips are cut from the same shapes.
        EXPECT_EQ(normal[i] == mask, disabled[i] == mask) << i;
        EXPECT_TRUE(disabled[i] == mask || grey(disabled[i])) << i;
        coloured += normal[i] != mask && !grey(normal[i]);
        drawn[i / 16 % MainToolBar::ImageCount] += normal[i] != mask;
    }
    EXPECT_GT(coloured, normal.size() / 8);
    // Every image of a command has something drawn in it; the separator's and the spare are empty.
    for (int image = 0; image < MainToolBar::ImageCount; ++image) {
        const bool empty = image == 0 || image == MainToolBar::ImageCount - 1;
        EXPECT_EQ(empty, drawn[static_cast<size_t>(image)] == 0) << image;
        EXPECT_TRUE(empty || drawn[static_cast<size_t>(image)] > 40) << image;
    }
}

}
