// Searching and replacing as the user does it: the frame's commands and the search dialog's
// buttons, on real documents.
#include "frame/FrameFixture.h"

#include <string>
#include <utility>
#include <vector>

#include "app/System.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "search/SearchResources.h"
#include "support/TestFiles.h"

namespace {

using Range = std::pair<Vessary::Position, Vessary::Position>;
using List = std::vector<std::string>;

class SearchTest : public FrameTest {
protected:
    HWND SearchWindow() const { return frame->Dialogs().ActiveModeless(); }
    HWND Item(int id) const { return GetDlgItem(SearchWindow(), id); }
    void Press(int id) const {
        SendMessageA(SearchWindow(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        Pump();
    }
    bool Ticked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // A click as the user makes it: the box changes and the dialog hears of it.
    void Tick(int id, bool ticked = true) const {
        if (Ticked(id) != ticked)
            SendMessageA(Item(id), BM_CLICK, 0, 0);
        Pump();
    }
    void Search(const std::string &text, int button = IDOK) const {
        SetWindowTextA(Item(IDC_SEARCH_TEXT), text.c_str());
        Press(button);
    }
    List Entries(int id) const {
        List entries;
        for (int i = 0, count = static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0)); i < count; ++i) {
            char entry[1100] = "";
            SendMessageA(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
            entries.push_back(entry);
        }
        return entries;
    }
    void Start(const char *text, Range selection = {0, 0}) const {
        Current().SetText(text);
        Current().EmptyUndoBuffer();
        Current().SetSelectionStart(selection.first);
        Current().SetSelectionEnd(selection.second);
    }
    Range Selection() const { return {Current().GetSelectionStart(), Current().GetSelectionEnd()}; }
};

TEST_F(SearchTest, KeywordHistoryFeedsBothBoxesMostRecentLast) {
    Start("P Q R S T U");
    Command(IDM_REPLACE);
    for (const char *keyword : {"P", "Q", "R", "S"})
        Search(keyword);
    EXPECT_EQ((List{"", "P", "Q", "R", "S"}), Entries(IDC_SEARCH_TEXT)) << "an empty selection enters the empty text";
    Search("Q");
    Search("T");
    EXPECT_EQ((List{"P", "R", "S", "Q", "T"}), Entries(IDC_SEARCH_TEXT));
    EXPECT_EQ((List{"P", "R", "S", "Q", "T"}), Entries(IDC_SEARCH_REPLACE_TEXT));
    Start("P Q R S T U", {10, 11});
    Command(IDM_FIND);
    EXPECT_EQ((List{"R", "S", "Q", "T", "U"}), Entries(IDC_SEARCH_TEXT)) << "a short selection is the newest keyword";
    EXPECT_FALSE(IsWindowVisible(Item(IDC_SEARCH_REPLACE_ALL))) << "the open dialog turned to finding";
}

TEST_F(SearchTest, FindNextKeysSearchTheLatestKeywordWithoutAsking) {
    Start("abc abc abc");
    Command(IDM_FIND_PREVIOUS);
    ASSERT_NE(nullptr, SearchWindow()) << "no keyword yet: the dialog opens";
    EXPECT_TRUE(Ticked(IDC_SEARCH_UP));
    Tick(IDC_SEARCH_DOWN);
    Search("abc");
    Press(IDCANCEL);
    for (UINT key : {IDM_FIND_NEXT, IDM_FIND_NEXT, IDM_FIND_NEXT})
        Command(key);
    EXPECT_EQ(Range(8, 11), Selection()) << "the last hit stays: no wrap";
    Command(IDM_FIND_PREVIOUS);
    EXPECT_EQ(Range(4, 7), Selection());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(SearchTest, NotFoundOffersToStartAgainFromTheTopOrTheEnd) {
    Logger &logger = System::Get().GetLogger();
    const unsigned short level = std::exchange(logger.level, static_cast<unsigned short>(5));
    Start("one two one", {8, 11});
    Command(IDM_FIND);
    desktop.answers = {IDNO, IDYES};
    Search("one");
    EXPECT_EQ(Range(8, 11), Selection()) << "No leaves the selection";
    Search("one");
    EXPECT_EQ(Range(0, 3), Selection()) << "Yes: from the top";
    Tick(IDC_SEARCH_UP);
    desktop.answers = {IDYES};
    Search("one");
    EXPECT_EQ(Range(8, 11), Selection()) << "Yes: from the end";
    logger.level = level;
    ASSERT_EQ(3u, desktop.messages.size());
    EXPECT_EQ("指定された文字列は見つかりませんでした。\r\nファイル先頭から再検索しますか？", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2), desktop.messages[0].type);
    EXPECT_EQ("指定された文字列は見つかりませんでした。\r\nファイル末尾から再検索しますか？", desktop.messages[2].text);
    EXPECT_NE(std::string::npos, TestFiles::Read(logger.CurrentFile()).find("(d) - couldn't find given keyword.\r\n"));
}

TEST_F(SearchTest, OptionsChangeWhatIsFound) {
    struct Case {
        const char *text, *keyword;
        bool wholeWord, matchCase, regularExpression;
        Range found;
    };
    const Case cases[] = {
        {"abcd ABC abc", "abc", false, false, false, {0, 3}},
        {"abcd ABC abc", "abc", true, false, false, {5, 8}},
        {"abcd ABC abc", "abc", true, true, false, {9, 12}},
        {"abXc ab.c", "b.c", false, false, false, {6, 9}},
        {"abXc ab.c", "b.c", false, false, true, {1, 4}},
        // 表 ends in the byte 0x5C and ー in 0x5B: in a regular expression they still mean themselves.
        {"表示する 表示", "表示", true, false, false, {9, 13}},
        {"表示する 表示", "表示", false, false, true, {0, 4}},
        {"表示する キーワード", "ワード", false, false, true, {13, 19}},
    };
    Command(IDM_FIND);
    for (const Case &c : cases) {
        Start(c.text);
        Tick(IDC_SEARCH_WHOLE_WORD, c.wholeWord);
        Tick(IDC_SEARCH_MATCH_CASE, c.matchCase);
        Tick(IDC_SEARCH_REGEXP, c.regularExpression);
        Search(c.keyword);
        EXPECT_EQ(c.found, Selection()) << c.text << " / " << c.keyword;
    }
}

TEST_F(SearchTest, ReplacingChangesAnySelectionAndReplaceAllIsOneUndoStep) {
    struct Case {
        const char *text;
        Range selection; // empty: the whole document
        const char *search, *replacement;
        bool regularExpression;
        const char *result;
        int count;
        Range selected; // in a selection: the changed range
    };
    const Case cases[] = {
        {"a-a-a", {0, 0}, "a", "bb", false, "bb-bb-bb", 3, {}},
        {"a-a-a-a", {2, 5}, "a", "", false, "a---a", 2, {2, 3}},
        {"ab-ab-ab", {2, 8}, "ab", "xyz", false, "ab-xyz-xyz", 2, {2, 10}},
        {"ab", {0, 0}, "a", "", false, "b", 1, {}},
        // Empty matches: replaced by nothing they count for nothing, and the search moves on.
        {"abc", {0, 0}, "x*", "", true, "abc", 0, {}},
        {"axxb", {0, 0}, "x*", "", true, "ab", 1, {}},
        {"ab", {0, 0}, "x*", "-", true, "-a-b", 2, {}},
        {"a\r\nb", {0, 0}, "^", "; ", true, "; a\r\n; b", 2, {}},
    };
    Start("xyz abc abc", {0, 3});
    Command(IDM_REPLACE);
    SetWindowTextA(Item(IDC_SEARCH_REPLACE_TEXT), "R");
    Search("abc", IDC_SEARCH_REPLACE_NEXT);
    EXPECT_EQ("R abc abc", Current().GetText()) << "replace, then next: any selection is replaced";
    EXPECT_EQ(Range(2, 5), Selection());
    for (const Case &c : cases) {
        Start(c.text, c.selection);
        const bool whole = c.selection.first == c.selection.second;
        Tick(whole ? IDC_SEARCH_DOWN : IDC_SEARCH_UP);
        Tick(IDC_SEARCH_REGEXP, c.regularExpression);
        SetWindowTextA(Item(IDC_SEARCH_REPLACE_TEXT), c.replacement);
        Search(c.search, IDC_SEARCH_REPLACE_ALL);
        EXPECT_EQ(c.result, Current().GetText()) << c.text << " / " << c.search;
        EXPECT_EQ("合計 " + std::to_string(c.count) + " 回の置換が行われました", desktop.messages.back().text);
        EXPECT_TRUE(whole || c.selected == Selection()) << c.text;
        Current().Undo();
        EXPECT_EQ(c.text, Current().GetText());
        EXPECT_FALSE(Current().CanUndo());
    }
}

TEST_F(SearchTest, PatternMenuAppendsATokenAndForcesDownward) {
    Command(IDM_FIND);
    Tick(IDC_SEARCH_UP);
    SetWindowTextA(Item(IDC_SEARCH_TEXT), "a");
    for (int id = IDM_PATTERN_LINE_START; id <= IDM_PATTERN_ONE_OR_MORE; ++id)
        Press(id);
    char text[32] = "";
    GetWindowTextA(Item(IDC_SEARCH_TEXT), text, sizeof text);
    EXPECT_STREQ("a^$.*+", text);
    EXPECT_TRUE(Ticked(IDC_SEARCH_REGEXP) && Ticked(IDC_SEARCH_DOWN));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_SEARCH_UP)));
}

}
