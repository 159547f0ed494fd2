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
    // Loads the text with the selection from anchor to caret.
    void Load(const std::string &text, Vessary::Position anchor = 0, Vessary::Position caret = 0) {
        view.SetText(text.c_str());
        view.EmptyUndoBuffer();
        view.SetAnchor(anchor);
        view.SetCurrentPos(caret);
    }
    void ExpectUndoRestores(const std::string &original) {
        view.Undo();
        EXPECT_EQ(view.GetText(), original);
        EXPECT_FALSE(view.CanUndo());
    }

    HostWindow host;
    Vessary view;
    EditCommands commands{view};
};

TEST_F(EditCommandsTest, PrefixGoesOnEveryTouchedLineIncludingOneTheSelectionEndsAtTheStartOf) {
    const std::string sixLines = "line1\r\nline2\r\nline3\r\nline4\r\nline5\r\nline6";
    // From the middle of line 3 to the very start of line 5, caret at the start.
    Load(sixLines, 28, 16);
    commands.InsertLinePrefix(";");
    EXPECT_EQ(view.GetText(), "line1\r\nline2\r\n;line3\r\n;line4\r\n;line5\r\nline6");
    EXPECT_EQ(view.GetCurrentPos(), 17);
    EXPECT_EQ(view.GetSelText(), "ne3\r\n;line4\r\n;");
    ExpectUndoRestores(sixLines);

    // Without a selection the caret's line is marked and the caret moves along.
    Load("a\r\nbc\r\n", 4, 4);
    commands.InsertLinePrefix("// ");
    EXPECT_EQ(view.GetText(), "a\r\n// bc\r\n");
    EXPECT_EQ(view.GetCurrentPos(), 7);
    EXPECT_EQ(view.GetAnchor(), 7);
}

TEST_F(EditCommandsTest, RemovalTakesOnlyASemicolonThatIsTheFirstByteOfItsLine) {
    const std::string original = ";a\r\n ;b\r\n;;c\r\nd;\r\n";
    Load(original, 0, 18);
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetText(), "a\r\n ;b\r\n;c\r\nd;\r\n");
    EXPECT_EQ(view.GetAnchor(), 0);
    EXPECT_EQ(view.GetCurrentPos(), 16);
    ExpectUndoRestores(original);

    // Only the bounds behind a removed byte move: a start at its line's start stays there, one
    // in the middle of a commented line moves back with the text.
    Load("x\r\n;ab\r\n;cd\r\n", 3, 10);
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetText(), "x\r\nab\r\ncd\r\n");
    EXPECT_EQ(view.GetSelText(), "ab\r\nc");
    Load(";abc\r\n", 2, 3);
    commands.RemoveSemicolonComments();
    EXPECT_EQ(view.GetSelText(), "b");
}

TEST_F(EditCommandsTest, BlockCommentSurroundsTheSelectionAndNullIsOneZeroByte) {
    Load("x abc y", 5, 2);
    commands.InsertBlockComment();
    EXPECT_EQ(view.GetText(), "x /* abc */ y");
    EXPECT_EQ(view.GetSelText(), "/* abc */");
    EXPECT_EQ(view.GetCurrentPos(), 2);
    ExpectUndoRestores("x abc y");

    Load("ab", 1, 1);
    commands.InsertBlockComment();
    EXPECT_EQ(view.GetText(), "a/*  */b");
    Load("ab", 1, 1);
    commands.InsertNullCharacter();
    EXPECT_EQ(view.GetText(), std::string("a\0b", 3));
    EXPECT_EQ(view.GetCurrentPos(), 2);
}

TEST_F(EditCommandsTest, TabsBecomeSpacesToTheNextStopCountingDoubleByteCharactersAsTwo) {
    // "あ" (0x82 0xA0) and "ソ" (0x83 0x5C, a trail byte that is a backslash) take two columns.
    const std::string original = "a\tb\r\nあ\tb\r\nソあ\tc\r\nabcd\te\r\n\t\tf";
    Load(original, 3, 3);
    commands.TabsToSpaces(4);
    EXPECT_EQ(view.GetText(), "a   b\r\nあ  b\r\nソあ    c\r\nabcd    e\r\n        f");
    // Without a selection the whole converted text ends up selected, the caret at the top.
    EXPECT_EQ(view.GetCurrentPos(), 0);
    EXPECT_EQ(view.GetAnchor(), view.GetLength());
    ExpectUndoRestores(original);

    // From just after the first tab to just after the second: only that one converts.
    Load("\tab\tc\td\r\n\tz", 1, 5);
    commands.TabsToSpaces(4);
    EXPECT_EQ(view.GetText(), "\tab  c\td\r\n\tz");
    EXPECT_EQ(view.GetSelText(), "ab  c");

    Load("a\tb");
    commands.TabsToSpaces(0);
    EXPECT_EQ(view.GetText(), "a\tb");
    EXPECT_FALSE(view.CanUndo());
}

}
