// The built library\Vessary.dll in a test process: lexer selection by number, message 2421,
// and the direct function and pointer that lead through the message layer.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Scintilla.h"
#include "support/EditControl.h"
#include "vessary/VessaryMessages.h"

namespace {

void Show(const EditControl &edit, int lexer, const char *keywords, const std::string &text) {
    edit.Send(SCI_SETLEXER, static_cast<uintptr_t>(lexer));
    edit.Send(SCI_SETKEYWORDS, 0, keywords);
    edit.SetText(text);
    edit.Colourise();
}

// Each number gets the lexer whose published styles it gives; pieces only that lexer styles so.
TEST(LexerSelection, EachNumberSelectsItsLexer) {
    const struct {
        int lexer;
        const char *keywords, *text, *what;
        int style;
    } cases[] = {
        {3, "int", "int x; // line\r\n/** doc */", "int", 5},
        {3, "int", "int x; // line\r\n/** doc */", "/** doc", 3},
        {4, "a href", "<a href=\"x\" zork=1>&amp;</a><blink>", "href", 3},
        {4, "a href", "<a href=\"x\" zork=1>&amp;</a><blink>", "zork", 4},
        {4, "a href", "<a href=\"x\" zork=1>&amp;</a><blink>", "blink", 2},
        {5, "", "<root id=\"1\"><!-- c --></root>", "id", 3},
        {5, "", "<root id=\"1\"><!-- c --></root>", "<!--", 9},
        {7, "select", "select 'x' -- note", "-- note", 2},
        {7, "select", "select 'x' -- note", "'x'", 7},
        {8, "dim", "Dim n ' count", "Dim", 3},
        {8, "dim", "Dim n ' count", "' count", 1},
    };
    EditControl edit;
    for (const auto &c : cases) {
        Show(edit, c.lexer, c.keywords, c.text);
        EXPECT_EQ(edit.StyleAt(static_cast<int>(std::string(c.text).find(c.what))), c.style) << c.lexer << ": " << c.what;
    }
}

TEST(LexerSelection, AnyOtherNumberIsPlainTextAndGetLexerAnswersTheNumber) {
    EditControl edit;
    const std::string text = "int x; // not a comment\r\n[section]\r\na,b\r\n";
    for (const int number : {1, 2, 3, 300, 301, 310, 315, 316, 317, 318, 999, 0}) {
        edit.Send(SCI_SETLEXER, static_cast<uintptr_t>(number));
        EXPECT_EQ(edit.Send(SCI_GETLEXER), number);
    }
    // A lexer is replaced, not layered: after C++ an unknown number styles nothing.
    for (const int number : {1, 315, 318, 331, 3, 999}) {
        Show(edit, number, "int", text);
        EXPECT_EQ(edit.Styles() == std::string(text.size(), '\0'), number != 3) << number;
    }
}

// The representation the control shows for a full-width space, empty when none.
std::string FullWidthSpaceMark(const EditControl &edit) {
    char mark[32] = "";
    edit.Send(SCI_GETREPRESENTATION, reinterpret_cast<uintptr_t>("\x81\x40"), mark);
    return mark;
}

// 2421 means hot spots on one line to Scintilla: it must never get there.
TEST(SpaceVisible, ShowsAndHidesFullWidthSpacesInTheWhiteSpaceColour) {
    EditControl edit;
    const intptr_t hotSpots = edit.Send(SCI_GETHOTSPOTSINGLELINE);
    EXPECT_EQ(FullWidthSpaceMark(edit), "");
    edit.Send(SCI_SETWHITESPACEFORE, 1, 0x123456);
    edit.Send(VSM_SETSPACEVISIBLE, 1);
    EXPECT_EQ(FullWidthSpaceMark(edit), "□");
    EXPECT_EQ(edit.Send(SCI_GETREPRESENTATIONCOLOUR, reinterpret_cast<uintptr_t>("\x81\x40")) & 0xFFFFFF, 0x123456);
    edit.Send(SCI_SETWHITESPACEFORE, 1, 0x654321);
    EXPECT_EQ(edit.Send(SCI_GETREPRESENTATIONCOLOUR, reinterpret_cast<uintptr_t>("\x81\x40")) & 0xFFFFFF, 0x654321);
    edit.Send(VSM_SETSPACEVISIBLE, 0);
    EXPECT_EQ(FullWidthSpaceMark(edit), "");
    EXPECT_EQ(edit.Send(SCI_GETHOTSPOTSINGLELINE), hotSpots);
}

TEST(SpaceVisible, SurvivesACodePageChangeAndASharedDocument) {
    EditControl edit;
    edit.Send(SCI_SETCODEPAGE, 0);
    edit.Send(VSM_SETSPACEVISIBLE, 1);
    edit.Send(SCI_SETCODEPAGE, 932);
    EXPECT_EQ(FullWidthSpaceMark(edit), "□");
    EditControl other;
    edit.Send(SCI_SETDOCPOINTER, 0, other.Send(SCI_GETDOCPOINTER));
    EXPECT_EQ(FullWidthSpaceMark(edit), "□");
    EXPECT_EQ(FullWidthSpaceMark(other), "");
}

using Direct = intptr_t (*)(intptr_t, unsigned int, uintptr_t, intptr_t);

TEST(DirectAccess, OneFunctionForAllViewsKeptAfterAllAreDestroyed) {
    auto first = std::make_unique<EditControl>();
    auto second = std::make_unique<EditControl>();
    const intptr_t function = SendMessageA(first->Handle(), SCI_GETDIRECTFUNCTION, 0, 0);
    ASSERT_NE(function, 0);
    EXPECT_EQ(SendMessageA(second->Handle(), SCI_GETDIRECTFUNCTION, 0, 0), function);
    EXPECT_NE(SendMessageA(first->Handle(), SCI_GETDIRECTPOINTER, 0, 0), SendMessageA(second->Handle(), SCI_GETDIRECTPOINTER, 0, 0));
    first.reset();
    second.reset();

    EditControl later;
    const intptr_t pointer = SendMessageA(later.Handle(), SCI_GETDIRECTPOINTER, 0, 0);
    const auto direct = reinterpret_cast<Direct>(function);
    direct(pointer, SCI_SETTEXT, 0, reinterpret_cast<intptr_t>("日本語"));
    EXPECT_EQ(later.Text(), "日本語");
    direct(pointer, SCI_SETLEXER, 301, 0);
    EXPECT_EQ(SendMessageA(later.Handle(), SCI_GETLEXER, 0, 0), 301);
}

TEST(DirectAccess, TheStatusFunctionAndSendMessageAlsoGoThroughTheLayer) {
    EditControl edit;
    using DirectStatus = intptr_t (*)(intptr_t, unsigned int, uintptr_t, intptr_t, int *);
    const auto function = reinterpret_cast<DirectStatus>(edit.Send(SCI_GETDIRECTSTATUSFUNCTION));
    ASSERT_NE(function, nullptr);
    const intptr_t pointer = edit.Send(SCI_GETDIRECTPOINTER);
    int status = -1;
    function(pointer, SCI_SETLEXER, 316, 0, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(function(pointer, SCI_GETLEXER, 0, 0, &status), 316);
    SendMessageA(edit.Handle(), SCI_SETLEXER, 317, 0);
    EXPECT_EQ(edit.Send(SCI_GETLEXER), 317);
}

TEST(Fonts, AShiftJisFaceNameReachesScintillaAsUtf8) {
    EditControl edit;
    char face[64] = "";
    edit.Send(SCI_STYLESETFONT, STYLE_DEFAULT, "ＭＳ ゴシック");
    edit.Send(SCI_STYLEGETFONT, STYLE_DEFAULT, face);
    EXPECT_EQ(std::string(face), "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF");
    edit.Send(SCI_STYLESETFONT, STYLE_DEFAULT, "Courier New");
    edit.Send(SCI_STYLEGETFONT, STYLE_DEFAULT, face);
    EXPECT_EQ(std::string(face), "Courier New");
}

}

// A line-number margin given a width widens when the line count needs more digits than it
// holds, and goes back to that width when the lines go; a hidden one stays hidden.
TEST(NumberMargin, WidensWithTheDigitsOfTheLineCount) {
    EditControl edit;
    edit.Send(SCI_SETMARGINTYPEN, 0, SC_MARGIN_NUMBER);
    edit.Send(SCI_SETMARGINWIDTHN, 0, intptr_t{0});
    edit.Send(SCI_SETMARGINTYPEN, 2, SC_MARGIN_NUMBER);
    edit.Send(SCI_SETMARGINWIDTHN, 2, 20);
    const auto painted = [&edit](int margin) {
        SendMessageA(edit.Handle(), WM_PAINT, 0, 0);
        return edit.Send(SCI_GETMARGINWIDTHN, static_cast<uintptr_t>(margin));
    };
    EXPECT_EQ(painted(2), 20);
    edit.SetText(std::string(123456, '\n'));
    EXPECT_GT(painted(2), edit.Send(SCI_TEXTWIDTH, STYLE_LINENUMBER, "123457"));
    EXPECT_EQ(painted(0), 0);
    edit.SetText("one line");
    EXPECT_EQ(painted(2), 20);
}
