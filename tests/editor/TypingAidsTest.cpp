// Automatic indentation, the brace outdent, call tips and completion on an HSP document with the
// real HSP colouring.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/Document.h"
#include "editor/TypingAids.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"
#include "support/TestFiles.h"

namespace {

CodeTipTable Tips(std::initializer_list<const char *> lines) {
    CodeTipTable table;
    for (const char *line : lines) {
        CodeTip tip;
        if (KeywordFiles::ParseCodeTip(line, tip))
            table[tip.keyword] = tip;
    }
    return table;
}

class TypingAidsTest : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        ASSERT_TRUE(document.Create(host.Handle(), 0, nullptr));
        document.ResetEmpty(300, TestFiles::ProgramFolder().c_str());
    }
    TypingAids Aids() { return TypingAids(document, settings, tips); }
    // The text, with the caret at its end.
    void Type(const std::string &text) {
        document.SetText(text.c_str());
        document.GotoPos(document.GetLength());
    }
    // A line feed typed at the caret, as the control inserts it before it reports it.
    void Enter() {
        document.ReplaceSel("\r\n");
        Aids().CharAdded('\n');
    }
    void TypeBrace() {
        document.ReplaceSel("}");
        Aids().CharAdded('}');
    }
    // The text with the caret at its end, and the character the control reports as typed.
    void Type(const std::string &text, char added) {
        Type(text);
        Aids().CharAdded(added);
    }
    std::string Line(int line) const { return document.GetLine(line); }

    HostWindow host;
    Document document;
    TypingSettings settings;
    CodeTipTable tips = Tips({"mes?mes <\"strings\">,<sw>", "color?color <p1>,<p2>,<p3>\\set the colour",
                              "pos?pos <p1>,<p2>", "abs?abs(<p1>)", "#include?#include <\"file\">"});
};

// The new line gets the previous one's indentation, and a unit more after a label or an
// opening brace; nothing is added when it has text of its own, or with the indentation off.
TEST_F(TypingAidsTest, EnterIndentsAfterALabelOrAnOpeningBrace) {
    const struct {
        bool bySpace;
        const char *text, *indent;
    } cases[] = {
        {false, "*main", "\t"},
        {true, "*_loop@x", "   "},
        {false, "*=", ""},  // a multiplication sign at the start is no label
        {false, "\tif a {", "\t\t"},
        {false, "\tmes 1 { \t", "\t\t"},
        {false, "\tmes \"\x83\x7D", "\t"},  // "マ": a brace byte as the second half of a character
    };
    settings.indentSize = 3;
    for (const auto &c : cases) {
        settings.indentBySpace = c.bySpace;
        Type(c.text);
        Enter();
        EXPECT_EQ(Line(1), c.indent) << c.text;
        EXPECT_EQ(document.GetCurrentPos(), document.GetLength()) << c.text;
    }
    Type("\tabcd");
    document.GotoPos(2);
    Enter();
    EXPECT_EQ(document.GetText(), "\ta\r\nbcd");
    settings.autoIndent = false;
    Type("\tx");
    Enter();
    EXPECT_EQ(Line(1), "");
}

TEST_F(TypingAidsTest, EnterAfterABlankLineMovesItsBlanksDownAsOneUndoStep) {
    Type("a\r\n \t ");
    document.EmptyUndoBuffer();
    Enter();
    EXPECT_EQ(document.GetText(), "a\r\n\r\n \t ");
    EXPECT_EQ(document.GetCurrentPos(), document.GetLength());
    document.Undo();
    EXPECT_EQ(document.GetText(), "a\r\n \t \r\n");
}

// Tabs, eight spaces with a unit of four, and two spaces, which are less than a unit.
TEST_F(TypingAidsTest, ClosingBraceGivesBackOneUnitOfIndentationAndKeepsWhatFollows) {
    const struct {
        bool bySpace;
        const char *text, *line;
    } cases[] = {{false, "if 1 {\r\n\t\t", "\t}"}, {true, "{\r\n        ", "    }"}, {true, "{\r\n  ", "  }"}};
    for (const auto &c : cases) {
        settings.indentBySpace = c.bySpace;
        Type(c.text);
        TypeBrace();
        EXPECT_EQ(Line(1), c.line) << c.text;
        EXPECT_EQ(document.GetCurrentPos(), document.GetLength());
    }
    settings.indentBySpace = false;
    Type("{\r\n\t\t  \r\nnext");
    document.GotoPos(document.PositionFromLine(1) + 2);
    TypeBrace();
    EXPECT_EQ(document.GetText(), "{\r\n\t}  \r\nnext");
    EXPECT_EQ(document.GetCurrentPos(), document.PositionFromLine(1) + 2);
}

TEST_F(TypingAidsTest, KeyboardTipFollowsTheCommasToTheInnermostCall) {
    Type("\tcolor 1, 2,", ',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_STREQ(document.callTipWord, "color");
    EXPECT_EQ(document.callTipArgument, 2);
    EXPECT_EQ(document.callTipPosition, document.GetCurrentPos());
    // A function's own parenthesis opens its arguments; closing it returns to the command.
    Type("pos abs(1", ' ');
    EXPECT_STREQ(document.callTipWord, "abs");
    EXPECT_EQ(document.callTipArgument, 0);
    Type("pos abs(1), (2, 3),", ',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_STREQ(document.callTipWord, "pos");
    EXPECT_EQ(document.callTipArgument, 2);
    // A name with its module is the name's tip.
    Type("\tMes@hsp \"a\",", ',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_EQ(document.callTipArgument, 1);
}

// No tip inside a group, after a statement separator, with the keyboard tips off, or for a
// document of another language.
TEST_F(TypingAidsTest, TipEndsInsideAGroupAfterAStatementSeparatorAndForOtherLanguages) {
    for (const char *text : {"mes 1, (2,", "mes 1:", "mes 1 : x = 1 "}) {
        Type("mes ", ' ');
        ASSERT_TRUE(document.CallTipActive());
        Type(text, text[std::strlen(text) - 1]);
        EXPECT_FALSE(document.CallTipActive()) << text;
    }
    settings.codeTipByKeyboard = false;
    Type("mes ", ' ');
    EXPECT_FALSE(document.CallTipActive());
    settings.codeTipByKeyboard = true;
    document.ResetEmpty(1, TestFiles::ProgramFolder().c_str());
    Type("mes ", ' ');
    EXPECT_FALSE(document.CallTipActive());
}

TEST_F(TypingAidsTest, KeyboardTipClosesWhenTheCaretGoesLeftOfItButAMenuTipStays) {
    Type("mes \"a\",", ',');
    ASSERT_TRUE(document.CallTipActive());
    Aids().UpdateUi();
    EXPECT_TRUE(document.CallTipActive());
    document.GotoPos(1);
    Aids().UpdateUi();
    EXPECT_FALSE(document.CallTipActive());

    Type("Mes \"a\",");
    Aids().CallTip(true);
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_EQ(document.callTipPosition, -1);
    EXPECT_EQ(document.callTipArgument, 1);
    document.GotoPos(0);
    Aids().UpdateUi();
    EXPECT_TRUE(document.CallTipActive());
}

TEST_F(TypingAidsTest, DwellShowsTheTipOfTheWordUnderTheMouseUntilItEnds) {
    Type("#include \"a.as\"\r\n\tcolor 1\r\n\tpos 1, 2");
    const Vessary::Position color = document.PositionFromLine(1) + 3;
    Aids().DwellStart(color);
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_TRUE(document.callTipByMouse);
    EXPECT_STREQ(document.callTipWord, "color");
    EXPECT_EQ(document.callTipPosition, color);
    Aids().DwellEnd();
    EXPECT_FALSE(document.CallTipActive());
    Aids().DwellStart(3);
    EXPECT_STREQ(document.callTipWord, "#include");
    Aids().DwellEnd();

    // A tip the keyboard opened stays when the mouse leaves.
    Aids().CharAdded(',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_FALSE(document.callTipByMouse);
    Aids().DwellEnd();
    EXPECT_TRUE(document.CallTipActive());
    settings.codeTipByMouse = false;
    document.CallTipCancel();
    Aids().DwellStart(color);
    EXPECT_FALSE(document.CallTipActive());
}

TEST_F(TypingAidsTest, CompletionOpensForTheWordBeforeTheCaret) {
    Type("\tcol");
    TypingAids::CodeComplete(document, "");
    EXPECT_FALSE(document.AutocActive());
    TypingAids::CodeComplete(document, "cls color colorful mes");
    EXPECT_TRUE(document.AutocActive());
}

}
