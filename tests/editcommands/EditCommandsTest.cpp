// The edit menu's commands on a real edit control: which lines they touch, where the selection
// ends up, double-byte text, and that one undo reverts each.
#include <gtest/gtest.h>

#include <string>

#include "editor/EditCommands.h"
#include "editor/Vessary.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"

namespace {

class EditCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        ASSERT_TRUE(view.Create(host.Handle(), 0, nullptr));
        view.ApplyBaseConfiguration();
    }
    void Load(const std::string &text) {
        view.SetText(text.c_str());
        view.EmptyUndoBuffer();
    }
    // Selects from anchor to caret.
    void Select(Vessary::Position anchor, Vessary::Position caret) {
        view.SetAnchor(anchor);
        view.SetCurrentPos(caret);
    }
    Vessary::Position LineStart(int line) const { return view.PositionFromLine(line); }
    void ExpectUndoRestores(const std::string &original) {
        view.Undo();
        EXPECT_EQ(view.GetText(), original);
    }

    HostWindow host;
    Vessary view;
    EditCommands commands{view};
};

const std::string fiveLines = "line1\r\nline2\r\nline3\r\nline4\r\nline5\r\nline6";

TEST_F(EditCommandsTest, PrefixGoesOnEveryTouchedLineIncludingOneTheSelectionEndsAtTheStartOf) {
    Load(fiveLines);
    // From the middle of line 3 to the very start of line 5, caret at the start.
    const Vessary::Position start = LineStart(2) + 2;
    const Vessary::Position end = LineStart(4);
    Select(end, start);
    commands.InsertLinePrefix(";");
    EXPECT_EQ(view.GetText(), "line1\r\nline2\r\n;line3\r\n;line4\r\n;line5\r\nline6");
    EXPECT_EQ(view.GetCurrentPos(), start + 1);
    EXPECT_EQ(view.GetAnchor(), end + 3);
    EXPECT_EQ(view.GetSelText(), "ne3\r\n;line4\r\n;");
    view.Undo();
    EXPECT_EQ(view.GetText(), fiveLines);
    EXPECT_FALSE(view.CanUndo());
}

TEST_F(EditCommandsTest, PrefixWithoutSelectionMarksTheCaretLineAndMovesTheCaretAlong) {
    Load("a\r\nbc\r\n");
    view.GotoPos(LineStart(1) + 1);
    commands.InsertLinePrefix("// ");
    EXPECT_EQ(view.GetText(), "a\r\n// bc\r\n");
    EXPECT_EQ(view.GetCurrentPos(), LineStart(1) + 4);
    EXPECT_EQ(view.GetAnchor(), view.GetCurrentPos());
}

TEST_F(EditCommandsTest, RemovalTakesOnlyASemicolonThatIsTheFirstByteOfItsLine) {
    const std::string original = ";a\r\n ;b\r\n;;c\r\nd;\r\n";
    Load(original);
    Select(0, view.GetLength());
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetText(), "a\r\n ;b\r\n;c\r\nd;\r\n");
    // The selection shrank by the two bytes and still starts at the top.
    EXPECT_EQ(view.GetAnchor(), 0);
    EXPECT_EQ(view.GetCurrentPos(), view.GetLength());
    ExpectUndoRestores(original);
}

TEST_F(EditCommandsTest, RemovalMovesOnlyTheBoundsBehindARemovedByte) {
    Load("x\r\n;ab\r\n;cd\r\n");
    // From the start of line 2 to the middle of line 3: the start stays at its line's start.
    Select(LineStart(1), LineStart(2) + 2);
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetText(), "x\r\nab\r\ncd\r\n");
    EXPECT_EQ(view.GetAnchor(), LineStart(1));
    EXPECT_EQ(view.GetCurrentPos(), LineStart(2) + 1);

    // Starting in the middle of a commented line, the start moves back with the text.
    Load(";abc\r\n");
    Select(2, 3);
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetSelText(), "b");
}

TEST_F(EditCommandsTest, BlockCommentSurroundsTheSelectionAndSelectsTheWhole) {
    Load("x abc y");
    Select(5, 2);
    commands.InsertBlockComment();
    EXPECT_EQ(view.GetText(), "x /* abc */ y");
    EXPECT_EQ(view.GetSelText(), "/* abc */");
    EXPECT_EQ(view.GetCurrentPos(), 2);
    ExpectUndoRestores("x abc y");

    Load("ab");
    view.GotoPos(1);
    commands.InsertBlockComment();
    EXPECT_EQ(view.GetText(), "a/*  */b");
}

TEST_F(EditCommandsTest, NullCharacterIsOneZeroByteAtTheCaret) {
    Load("ab");
    view.GotoPos(1);
    commands.InsertNullCharacter();
    ASSERT_EQ(view.GetLength(), 3);
    EXPECT_EQ(view.GetCharAt(1), 0);
    EXPECT_EQ(view.GetText(), std::string("a\0b", 3));
    EXPECT_EQ(view.GetCurrentPos(), 2);
}

TEST_F(EditCommandsTest, TabsBecomeSpacesToTheNextStopCountingDoubleByteCharactersAsTwo) {
    // "あ" (0x82 0xA0) and "ソ" (0x83 0x5C, a trail byte that is a backslash) take two columns.
    const std::string original = "a\tb\r\n\x82\xA0\tb\r\n\x83\x5C\x82\xA0\tc\r\nabcd\te\r\n\t\tf";
    Load(original);
    view.GotoPos(3);
    commands.TabsToSpaces(4);
    EXPECT_EQ(view.GetText(), "a   b\r\n\x82\xA0  b\r\n\x83\x5C\x82\xA0    c\r\nabcd    e\r\n        f");
    // Without a selection the whole converted text ends up selected, the caret at the top.
    EXPECT_EQ(view.GetCurrentPos(), 0);
    EXPECT_EQ(view.GetAnchor(), view.GetLength());
    ExpectUndoRestores(original);
}

TEST_F(EditCommandsTest, TabsOutsideTheSelectionStayButStillSetTheColumn) {
    Load("\tab\tc\td\r\n\tz");
    // From just after the first tab to just after the second: only that one converts.
    Select(1, 5);
    commands.TabsToSpaces(4);
    EXPECT_EQ(view.GetText(), "\tab  c\td\r\n\tz");
    EXPECT_EQ(view.GetSelText(), "ab  c");
}

TEST_F(EditCommandsTest, TabWidthBelowOneLeavesTheTextAlone) {
    Load("a\tb");
    commands.TabsToSpaces(0);
    EXPECT_EQ(view.GetText(), "a\tb");
    EXPECT_FALSE(view.CanUndo());
}

}
