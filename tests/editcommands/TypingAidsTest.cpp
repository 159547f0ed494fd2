// Automatic indentation, the brace outdent, call tips and completion on an HSP document with the
// real HSP colouring.
#include <gtest/gtest.h>

#include <string>

#include "Scintilla.h"
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
    std::string Line(int line) const { return document.GetLine(line); }
    // Call tips read the HSP colouring.
    bool HasHspLexer() const {
        char name[64] = "";
        SendMessageA(document.GetHandle(), SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<LPARAM>(name));
        return name[0] != '\0';
    }

    HostWindow host;
    Document document;
    TypingSettings settings;
    CodeTipTable tips = Tips({"mes?mes <\"strings\">,<sw>", "color?color <p1>,<p2>,<p3>\\set the colour",
                              "pos?pos <p1>,<p2>", "abs?abs(<p1>)", "#include?#include <\"file\">"});
};

TEST_F(TypingAidsTest, EnterAfterALabelLineIndentsByOneUnit) {
    Type("*main");
    Enter();
    EXPECT_EQ(Line(1), "\t");
    settings.indentBySpace = true;
    settings.indentSize = 3;
    Type("*_loop@x");
    Enter();
    EXPECT_EQ(Line(1), "   ");
    // A multiplication sign at the start is no label.
    Type("*=");
    Enter();
    EXPECT_EQ(Line(1), "");
}

TEST_F(TypingAidsTest, EnterKeepsTheIndentAndAddsAUnitAfterAnOpeningBrace) {
    Type("\tif a {");
    Enter();
    EXPECT_EQ(Line(1), "\t\t");
    Type("\tmes 1 { \t");
    Enter();
    EXPECT_EQ(Line(1), "\t\t");
    // A brace whose byte is the second half of a double-byte character ("マ" is 0x83 0x7D).
    Type("\tmes \"\x83\x7D");
    Enter();
    EXPECT_EQ(Line(1), "\t");
    EXPECT_EQ(document.GetCurrentPos(), document.GetLength());
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

TEST_F(TypingAidsTest, EnterInsideALineOrOnTheFirstLineIndentsNothing) {
    // The new line starts with text of its own.
    Type("\tabcd");
    document.GotoPos(2);
    Enter();
    EXPECT_EQ(document.GetText(), "\ta\r\nbcd");
    settings.autoIndent = false;
    Type("\tx");
    Enter();
    EXPECT_EQ(Line(1), "");
}

TEST_F(TypingAidsTest, ClosingBraceGivesBackOneUnitOfIndentation) {
    Type("if 1 {\r\n\t\t");
    TypeBrace();
    EXPECT_EQ(Line(1), "\t}");
    EXPECT_EQ(document.GetCurrentPos(), document.GetLength());

    settings.indentBySpace = true;
    Type("{\r\n" + std::string(8, ' '));
    TypeBrace();
    EXPECT_EQ(Line(1), "    }");
    Type("{\r\n  ");
    TypeBrace();
    EXPECT_EQ(Line(1), "  }");
}

TEST_F(TypingAidsTest, ClosingBraceKeepsWhatFollowsIt) {
    Type("{\r\n\t\t  \r\nnext");
    document.GotoPos(document.PositionFromLine(1) + 2);
    TypeBrace();
    EXPECT_EQ(document.GetText(), "{\r\n\t}  \r\nnext");
    EXPECT_EQ(document.GetCurrentPos(), document.PositionFromLine(1) + 2);
}

TEST_F(TypingAidsTest, KeyboardTipFollowsTheCommasToTheInnermostCall) {
    if (!HasHspLexer())
        GTEST_SKIP() << "the component has no HSP lexer yet";
    Type("\tcolor 1, 2,");
    Aids().CharAdded(',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_STREQ(document.callTipWord, "color");
    EXPECT_EQ(document.callTipArgument, 2);
    EXPECT_EQ(document.callTipPosition, document.GetCurrentPos());

    // A function's own parenthesis opens its arguments; closing it returns to the command.
    Type("pos abs(1");
    Aids().CharAdded(' ');
    EXPECT_STREQ(document.callTipWord, "abs");
    EXPECT_EQ(document.callTipArgument, 0);
    Type("pos abs(1), (2, 3),");
    Aids().CharAdded(',');
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_STREQ(document.callTipWord, "pos");
    EXPECT_EQ(document.callTipArgument, 2);
}

TEST_F(TypingAidsTest, TipEndsInsideAGroupAfterAStatementSeparatorAndForOtherLanguages) {
    if (!HasHspLexer())
        GTEST_SKIP() << "the component has no HSP lexer yet";
    Type("mes 1, (2,");
    Aids().CharAdded(',');
    EXPECT_FALSE(document.CallTipActive());

    Type("mes 1:");
    Aids().CharAdded(':');
    EXPECT_FALSE(document.CallTipActive());

    Type("mes ");
    Aids().CharAdded(' ');
    ASSERT_TRUE(document.CallTipActive());
    Type("mes 1 : x = 1 ");
    Aids().CharAdded(' ');
    EXPECT_FALSE(document.CallTipActive());

    settings.codeTipByKeyboard = false;
    Type("mes ");
    Aids().CharAdded(' ');
    EXPECT_FALSE(document.CallTipActive());

    settings.codeTipByKeyboard = true;
    document.ResetEmpty(1, TestFiles::ProgramFolder().c_str());
    Type("mes ");
    Aids().CharAdded(' ');
    EXPECT_FALSE(document.CallTipActive());
}

TEST_F(TypingAidsTest, KeyboardTipClosesWhenTheCaretGoesLeftOfItButAMenuTipStays) {
    if (!HasHspLexer())
        GTEST_SKIP() << "the component has no HSP lexer yet";
    Type("mes \"a\",");
    Aids().CharAdded(',');
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
    if (!HasHspLexer())
        GTEST_SKIP() << "the component has no HSP lexer yet";
    Type("#include \"a.as\"\r\n\tcolor 1\r\n\tpos 1, 2");
    const Vessary::Position color = document.PositionFromLine(1) + 3;
    Aids().DwellStart(color);
    ASSERT_TRUE(document.CallTipActive());
    EXPECT_TRUE(document.callTipByMouse);
    EXPECT_STREQ(document.callTipWord, "color");
    EXPECT_EQ(document.callTipPosition, color);
    Aids().DwellEnd();
    EXPECT_FALSE(document.CallTipActive());
    EXPECT_FALSE(document.callTipByMouse);

    Aids().DwellStart(3);
    EXPECT_STREQ(document.callTipWord, "#include");
    Aids().DwellEnd();

    // A tip the keyboard opened stays when the mouse leaves.
    document.GotoPos(document.GetLength());
    Aids().CharAdded(',');
    ASSERT_TRUE(document.CallTipActive());
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
