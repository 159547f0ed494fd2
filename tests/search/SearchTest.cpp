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
#include "support/TestData.h"
#include "support/TestFiles.h"

namespace {

using Range = std::pair<Vessary::Position, Vessary::Position>;
using List = std::vector<std::string>;

// "start,end" of a table of cases.
Range RangeOf(const std::string &field) {
    const size_t comma = field.find(',');
    return {std::stoll(field.substr(0, comma)), std::stoll(field.substr(comma + 1))};
}

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
    Command(IDM_FIND);
    const auto cases = TestData::Lines("FIND_CASES");
    ASSERT_FALSE(cases.empty());
    for (const std::string &line : cases) {
        const auto field = TestData::Fields(line);
        Start(field[0].c_str());
        Tick(IDC_SEARCH_WHOLE_WORD, field[2].find('w') != std::string::npos);
        Tick(IDC_SEARCH_MATCH_CASE, field[2].find('c') != std::string::npos);
        Tick(IDC_SEARCH_REGEXP, field[2].find('r') != std::string::npos);
        Search(field[1]);
        EXPECT_EQ(RangeOf(field[3]), Selection()) << line;
    }
}

TEST_F(SearchTest, ReplacingChangesAnySelectionAndReplaceAllIsOneUndoStep) {
    Start("xyz abc abc", {0, 3});
    Command(IDM_REPLACE);
    SetWindowTextA(Item(IDC_SEARCH_REPLACE_TEXT), "R");
    Search("abc", IDC_SEARCH_REPLACE_NEXT);
    EXPECT_EQ("R abc abc", Current().GetText()) << "replace, then next: any selection is replaced";
    EXPECT_EQ(Range(2, 5), Selection());
    const auto cases = TestData::Lines("REPLACE_CASES");
    ASSERT_FALSE(cases.empty());
    for (const std::string &line : cases) {
        const auto field = TestData::Fields(line);
        const Range selection = RangeOf(field[1]);
        Start(field[0].c_str(), selection);
        Tick(selection.first == selection.second ? IDC_SEARCH_DOWN : IDC_SEARCH_UP);
        Tick(IDC_SEARCH_REGEXP, field[4] == "r");
        SetWindowTextA(Item(IDC_SEARCH_REPLACE_TEXT), field[3].c_str());
        Search(field[2], IDC_SEARCH_REPLACE_ALL);
        EXPECT_EQ(field[5], Current().GetText()) << line;
        EXPECT_EQ("合計 " + field[6] + " 回の置換が行われました", desktop.messages.back().text) << line;
        EXPECT_TRUE(selection.first == selection.second || RangeOf(field[7]) == Selection()) << line;
        Current().Undo();
        EXPECT_EQ(field[0], Current().GetText());
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
