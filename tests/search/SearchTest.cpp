// Searching and replacing as the user does it: the commands of the main frame and the buttons
// of the search dialog, on real documents.
#include "frame/FrameFixture.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/System.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "search/SearchResources.h"
#include "support/TestFiles.h"

namespace {

using Range = std::pair<Vessary::Position, Vessary::Position>;

class SearchTest : public FrameTest {
protected:
    HWND Dialog() const {
        ::Dialog *open = frame->Dialogs().Modeless();
        return open ? open->GetHandle() : nullptr;
    }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    void Press(int id) const {
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        Pump();
    }
    bool Ticked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // A click as the user makes it: the box changes and the dialog hears of it.
    void Click(int id) const {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        Pump();
    }
    void Tick(int id, bool ticked) const {
        if (Ticked(id) != ticked)
            Click(id);
    }
    void Search(const std::string &text, int button = IDOK) const {
        SetDlgItemTextA(Dialog(), IDC_SEARCH_TEXT, text.c_str());
        Press(button);
    }
    std::string Text(int id) const {
        char text[1100] = "";
        GetDlgItemTextA(Dialog(), id, text, sizeof text);
        return text;
    }
    std::vector<std::string> Entries(int id) const {
        std::vector<std::string> entries;
        const int count = static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char entry[1100] = "";
            SendMessageA(Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
            entries.push_back(entry);
        }
        return entries;
    }
    void Select(Vessary::Position start, Vessary::Position end) const {
        Current().SetSelectionStart(start);
        Current().SetSelectionEnd(end);
    }
    Range Selection() const {
        return {Current().GetSelectionStart(), Current().GetSelectionEnd()};
    }
};

TEST_F(SearchTest, KeywordHistoryFeedsBothBoxesMostRecentLast) {
    Current().SetText("P Q R S T U");
    Select(0, 0);
    Command(IDM_REPLACE);
    ASSERT_NE(nullptr, Dialog());
    for (const char *keyword : {"P", "Q", "R", "S"})
        Search(keyword);
    using List = std::vector<std::string>;
    EXPECT_EQ((List{"", "P", "Q", "R", "S"}), Entries(IDC_SEARCH_TEXT)) << "an empty selection enters the empty text";
    EXPECT_EQ("S", Text(IDC_SEARCH_TEXT));
    Search("Q");
    Search("T");
    EXPECT_EQ((List{"P", "R", "S", "Q", "T"}), Entries(IDC_SEARCH_TEXT));
    EXPECT_EQ((List{"P", "R", "S", "Q", "T"}), Entries(IDC_SEARCH_REPLACE_TEXT));
    // The dialog opened again takes a short selection as the newest keyword.
    Press(IDCANCEL);
    Select(10, 11);
    Command(IDM_FIND);
    EXPECT_EQ((List{"R", "S", "Q", "T", "U"}), Entries(IDC_SEARCH_TEXT));
    EXPECT_EQ("U", Text(IDC_SEARCH_TEXT));
}

TEST_F(SearchTest, FindNextKeysSearchTheLatestKeywordWithoutWrapping) {
    Current().SetText("abc abc abc");
    Select(0, 0);
    Command(IDM_FIND_NEXT);
    ASSERT_NE(nullptr, Dialog()) << "no keyword yet: the dialog opens";
    EXPECT_TRUE(Ticked(IDC_SEARCH_DOWN));
    Search("abc");
    EXPECT_EQ(Range(0, 3), Selection());
    Press(IDCANCEL);
    Command(IDM_FIND_NEXT);
    Command(IDM_FIND_NEXT);
    EXPECT_EQ(Range(8, 11), Selection());
    Command(IDM_FIND_NEXT);
    EXPECT_EQ(Range(8, 11), Selection());
    Command(IDM_FIND_PREVIOUS);
    EXPECT_EQ(Range(4, 7), Selection());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(nullptr, Dialog());
}

TEST_F(SearchTest, NotFoundOffersToStartAgainFromTheTopOrTheEnd) {
    System::Get().GetLogger().level = 5;
    Current().SetText("one two one");
    Select(4, 4);
    Command(IDM_FIND);
    Search("one");
    EXPECT_EQ(Range(8, 11), Selection());
    EXPECT_TRUE(desktop.messages.empty());
    desktop.answers = {IDNO};
    Search("one");
    EXPECT_EQ(Range(8, 11), Selection()) << "No leaves the selection";
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("指定された文字列は見つかりませんでした。\r\nファイル先頭から再検索しますか？", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2), desktop.messages[0].type);
    desktop.answers = {IDYES};
    Search("one");
    EXPECT_EQ(Range(0, 3), Selection()) << "Yes: searched again from the top";
    Click(IDC_SEARCH_UP);
    desktop.answers = {IDYES};
    Search("one");
    EXPECT_EQ(Range(8, 11), Selection()) << "Yes: searched again from the end";
    EXPECT_EQ("指定された文字列は見つかりませんでした。\r\nファイル末尾から再検索しますか？", desktop.messages.back().text);
    System::Get().GetLogger().level = Logger::LevelOfSetting('W');
    const std::string log = TestFiles::Read(System::Get().GetLogger().CurrentFile());
    EXPECT_NE(std::string::npos, log.find("(d) - couldn't find given keyword.\r\n"));
}

// Each option changes what is found; each row starts at the top of its own text.
TEST_F(SearchTest, OptionsChangeWhatIsFound) {
    struct Case {
        const char *text;
        const char *keyword;
        bool wholeWord, matchCase, regularExpression;
        Range expected;
    };
    const Case cases[] = {
        {"abcd ABC abc", "abc", false, false, false, {0, 3}},
        {"abcd ABC abc", "abc", true, false, false, {5, 8}},
        {"abcd ABC abc", "abc", true, true, false, {9, 12}},
        {"abXc ab.c", "b.c", false, false, false, {6, 9}},
        {"abXc ab.c", "b.c", false, false, true, {1, 4}},
        // 表 ends in 0x5C; the first 表示 is part of a longer word.
        {"表示する 表示", "表示", true, false, false, {9, 13}},
        // In a regular expression the trail bytes 0x5C (表) and 0x5B (ー) still mean themselves.
        {"表示する 表示", "表示", false, false, true, {0, 4}},
        {"表示する キーワード", "ワード", false, false, true, {13, 19}},
    };
    Command(IDM_FIND);
    for (const Case &c : cases) {
        Current().SetText(c.text);
        Select(0, 0);
        Tick(IDC_SEARCH_WHOLE_WORD, c.wholeWord);
        Tick(IDC_SEARCH_MATCH_CASE, c.matchCase);
        Tick(IDC_SEARCH_REGEXP, c.regularExpression);
        Search(c.keyword);
        EXPECT_EQ(c.expected, Selection()) << c.text << " / " << c.keyword;
    }
}

TEST_F(SearchTest, ReplaceThenNextReplacesAnySelection) {
    Current().SetText("xyz abc abc");
    Select(0, 3);
    Command(IDM_REPLACE);
    SetDlgItemTextA(Dialog(), IDC_SEARCH_REPLACE_TEXT, "R");
    Search("abc", IDC_SEARCH_REPLACE_NEXT);
    EXPECT_EQ("R abc abc", Current().GetText());
    EXPECT_EQ(Range(2, 5), Selection());
    EXPECT_EQ("R", Text(IDC_SEARCH_REPLACE_TEXT));
}

TEST_F(SearchTest, ReplaceAllIsOneUndoStepAndCountsChanges) {
    struct Case {
        const char *text;
        Range selection; // empty: the whole document
        const char *search;
        const char *replacement;
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
        {"abc", {0, 0}, "x*", "", true, "abc", 0, {}},
        {"axxb", {0, 0}, "x*", "", true, "ab", 1, {}},
        {"ab", {0, 0}, "x*", "-", true, "-a-b", 2, {}},
        {"a\r\nb", {0, 0}, "^", "; ", true, "; a\r\n; b", 2, {}},
    };
    Command(IDM_REPLACE);
    for (const Case &c : cases) {
        Current().SetText(c.text);
        Current().EmptyUndoBuffer();
        Select(c.selection.first, c.selection.second);
        Click(c.selection.first == c.selection.second ? IDC_SEARCH_DOWN : IDC_SEARCH_UP);
        Tick(IDC_SEARCH_REGEXP, c.regularExpression);
        SetDlgItemTextA(Dialog(), IDC_SEARCH_REPLACE_TEXT, c.replacement);
        desktop.messages.clear();
        Search(c.search, IDC_SEARCH_REPLACE_ALL);
        EXPECT_EQ(c.result, Current().GetText()) << c.text << " / " << c.search;
        ASSERT_EQ(1u, desktop.messages.size());
        EXPECT_EQ("合計 " + std::to_string(c.count) + " 回の置換が行われました", desktop.messages[0].text);
        if (c.selection.first != c.selection.second) {
            EXPECT_EQ(c.selected, Selection());
        }
        Current().Undo();
        EXPECT_EQ(c.text, Current().GetText());
        EXPECT_FALSE(Current().CanUndo());
    }
}

TEST_F(SearchTest, PatternMenuAppendsATokenAndForcesDownward) {
    Command(IDM_FIND);
    Click(IDC_SEARCH_UP);
    SetDlgItemTextA(Dialog(), IDC_SEARCH_TEXT, "a");
    for (UINT id = IDM_PATTERN_LINE_START; id <= IDM_PATTERN_ONE_OR_MORE; ++id)
        Press(static_cast<int>(id));
    EXPECT_EQ("a^$.*+", Text(IDC_SEARCH_TEXT));
    EXPECT_TRUE(Ticked(IDC_SEARCH_REGEXP));
    EXPECT_TRUE(Ticked(IDC_SEARCH_DOWN));
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_SEARCH_UP)));
}

}
