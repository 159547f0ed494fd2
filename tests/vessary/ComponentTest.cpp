// The built library\Vessary.dll in a test process: lexer selection by number, message 2421,
// and the direct function and pointer that lead through the message layer.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "Scintilla.h"
#include "support/EditControl.h"
#include "vessary/VessaryMessages.h"

namespace {

// Published style numbers of the standard lexers.
const int cComment = 1, cCommentLine = 2, cCommentDoc = 3, cNumber = 4, cWord = 5, cPreprocessor = 9, cOperator = 10,
          cIdentifier = 11;
const int htmlTag = 1, htmlTagUnknown = 2, htmlAttribute = 3, htmlAttributeUnknown = 4, htmlDoubleString = 6,
          htmlComment = 9, htmlEntity = 10;
const int sqlCommentLine = 2, sqlWord = 5, sqlString = 7;
const int vbComment = 1, vbNumber = 2, vbKeyword = 3, vbString = 4;

// The style of the first byte of what within the control's text.
int StyleOf(const EditControl &edit, const std::string &text, const char *what) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? -1 : edit.StyleAt(static_cast<int>(at));
}

void Show(const EditControl &edit, int lexer, const char *keywords, const std::string &text) {
    edit.Send(SCI_SETLEXER, static_cast<uintptr_t>(lexer));
    edit.Send(SCI_SETKEYWORDS, 0, keywords);
    edit.SetText(text);
    edit.Colourise();
}

struct Piece {
    const char *what;
    int style;
};

// Shows text with the lexer and its keyword set 0, and checks the style of each piece.
void ExpectStyles(int lexer, const char *keywords, const std::string &text, std::initializer_list<Piece> pieces) {
    EditControl edit;
    Show(edit, lexer, keywords, text);
    for (const Piece &piece : pieces)
        EXPECT_EQ(StyleOf(edit, text, piece.what), piece.style) << lexer << ": " << piece.what;
}

TEST(LexerSelection, CppKeywordsAndTheThreeCommentStyles) {
    ExpectStyles(3, "int return", "#include <a.h>\r\nint x; // line\r\n/* block */ /** doc */ return 42 + y;\r\n",
                 {{"#include", cPreprocessor}, {"int", cWord}, {"x;", cIdentifier}, {"// line", cCommentLine},
                  {"/* block", cComment}, {"/** doc", cCommentDoc}, {"return", cWord}, {"42", cNumber}, {"+", cOperator}});
}

TEST(LexerSelection, HtmlKnownAndUnknownTagsAndAttributes) {
    ExpectStyles(4, "a href body ", "<body><a href=\"x.html\" zork=1>&amp;</a><blink></blink><!-- c --></body>",
                 {{"body", htmlTag}, {"href", htmlAttribute}, {"\"x.html\"", htmlDoubleString},
                  {"zork", htmlAttributeUnknown}, {"&amp;", htmlEntity}, {"blink", htmlTagUnknown},
                  {"<!--", htmlComment}});
}

TEST(LexerSelection, XmlTagsAttributesAndStringsWithoutKeywords) {
    ExpectStyles(5, "", "<root id=\"1\"><!-- note --><item/></root>",
                 {{"root", htmlTag}, {"id", htmlAttribute}, {"\"1\"", htmlDoubleString}, {"item", htmlTag},
                  {"<!--", htmlComment}});
}

TEST(LexerSelection, SqlAndVisualBasic) {
    ExpectStyles(7, "select from ", "select name from t where a = 'x' -- note\r\n",
                 {{"select", sqlWord}, {"from", sqlWord}, {"'x'", sqlString}, {"-- note", sqlCommentLine}});
    ExpectStyles(8, "dim as integer ", "Dim n As Integer ' count\r\nn = 12: s = \"t\"\r\n",
                 {{"Dim", vbKeyword}, {"Integer", vbKeyword}, {"' count", vbComment}, {"12", vbNumber},
                  {"\"t\"", vbString}});
}

TEST(LexerSelection, AnyOtherNumberIsPlainTextAndGetLexerAnswersTheNumber) {
    EditControl edit;
    const std::string text = "int x; // not a comment\r\n[section]\r\na,b\r\n";
    for (const int number : {1, 2, 3, 300, 301, 310, 315, 316, 317, 318, 999, 0}) {
        edit.Send(SCI_SETLEXER, static_cast<uintptr_t>(number));
        EXPECT_EQ(edit.Send(SCI_GETLEXER), number);
    }
    for (const int number : {1, 315, 318, 331, 999}) {
        Show(edit, number, "int", text);
        EXPECT_EQ(edit.Styles(), std::string(text.size(), '\0')) << number;
    }
    // A lexer is replaced, not layered: after C++ and back to an unknown number nothing is styled.
    Show(edit, 3, "int", text);
    EXPECT_EQ(StyleOf(edit, text, "//"), cCommentLine);
    Show(edit, 999, "int", text);
    EXPECT_EQ(edit.Styles(), std::string(text.size(), '\0'));
}

TEST(LexerSelection, SetLexerBySendMessageAndByTheDirectFunctionAgree) {
    EditControl edit;
    SendMessageA(edit.Handle(), SCI_SETLEXER, 316, 0);
    EXPECT_EQ(edit.Send(SCI_GETLEXER), 316);
    edit.Send(SCI_SETLEXER, 317);
    EXPECT_EQ(SendMessageA(edit.Handle(), SCI_GETLEXER, 0, 0), 317);
}

// The representation the control shows for a full-width space, empty when none.
std::string FullWidthSpaceMark(const EditControl &edit) {
    char mark[32] = "";
    edit.Send(SCI_GETREPRESENTATION, reinterpret_cast<uintptr_t>("\x81\x40"), mark);
    return mark;
}

TEST(SpaceVisible, ShowsAndHidesFullWidthSpaces) {
    EditControl edit;
    EXPECT_EQ(FullWidthSpaceMark(edit), "");
    edit.Send(VSM_SETSPACEVISIBLE, 1);
    EXPECT_EQ(FullWidthSpaceMark(edit), "□");
    edit.Send(VSM_SETSPACEVISIBLE, 0);
    EXPECT_EQ(FullWidthSpaceMark(edit), "");
}

TEST(SpaceVisible, NeverReachesScintillaWhereTheNumberMeansHotSpotsOnOneLine) {
    EditControl edit;
    const intptr_t before = edit.Send(SCI_GETHOTSPOTSINGLELINE);
    edit.Send(VSM_SETSPACEVISIBLE, before ? 0 : 1);
    EXPECT_EQ(edit.Send(SCI_GETHOTSPOTSINGLELINE), before);
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

TEST(SpaceVisible, TakesTheWhiteSpaceColour) {
    EditControl edit;
    edit.Send(SCI_SETWHITESPACEFORE, 1, 0x123456);
    edit.Send(VSM_SETSPACEVISIBLE, 1);
    EXPECT_EQ(edit.Send(SCI_GETREPRESENTATIONCOLOUR, reinterpret_cast<uintptr_t>("\x81\x40")) & 0xFFFFFF, 0x123456);
    edit.Send(SCI_SETWHITESPACEFORE, 1, 0x654321);
    EXPECT_EQ(edit.Send(SCI_GETREPRESENTATIONCOLOUR, reinterpret_cast<uintptr_t>("\x81\x40")) & 0xFFFFFF, 0x654321);
}

using Direct = intptr_t (*)(intptr_t, unsigned int, uintptr_t, intptr_t);

TEST(DirectAccess, OneFunctionForAllViewsKeptAfterAllAreDestroyed) {
    auto first = std::make_unique<EditControl>();
    auto second = std::make_unique<EditControl>();
    const intptr_t function = SendMessageA(first->Handle(), SCI_GETDIRECTFUNCTION, 0, 0);
    ASSERT_NE(function, 0);
    EXPECT_EQ(SendMessageA(second->Handle(), SCI_GETDIRECTFUNCTION, 0, 0), function);
    EXPECT_NE(SendMessageA(first->Handle(), SCI_GETDIRECTPOINTER, 0, 0),
              SendMessageA(second->Handle(), SCI_GETDIRECTPOINTER, 0, 0));
    first.reset();
    second.reset();

    EditControl later;
    const intptr_t pointer = SendMessageA(later.Handle(), SCI_GETDIRECTPOINTER, 0, 0);
    const auto direct = reinterpret_cast<Direct>(function);
    direct(pointer, SCI_SETTEXT, 0, reinterpret_cast<intptr_t>("日本語"));
    EXPECT_EQ(direct(pointer, SCI_GETLENGTH, 0, 0), 6);
    EXPECT_EQ(later.Text(), "日本語");
    direct(pointer, SCI_SETLEXER, 301, 0);
    EXPECT_EQ(SendMessageA(later.Handle(), SCI_GETLEXER, 0, 0), 301);
}

TEST(DirectAccess, TheStatusFunctionAlsoGoesThroughTheLayer) {
    EditControl edit;
    using DirectStatus = intptr_t (*)(intptr_t, unsigned int, uintptr_t, intptr_t, int *);
    const auto function = reinterpret_cast<DirectStatus>(edit.Send(SCI_GETDIRECTSTATUSFUNCTION));
    ASSERT_NE(function, nullptr);
    const intptr_t pointer = edit.Send(SCI_GETDIRECTPOINTER);
    int status = -1;
    function(pointer, SCI_SETLEXER, 316, 0, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(function(pointer, SCI_GETLEXER, 0, 0, &status), 316);
    EXPECT_EQ(edit.Send(SCI_GETLEXER), 316);
}

TEST(Fonts, AShiftJisFaceNameReachesScintillaAsUtf8) {
    EditControl edit;
    edit.Send(SCI_STYLESETFONT, STYLE_DEFAULT, "ＭＳ ゴシック");
    char face[64] = "";
    edit.Send(SCI_STYLEGETFONT, STYLE_DEFAULT, face);
    EXPECT_EQ(std::string(face), "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF");
    edit.Send(SCI_STYLESETFONT, STYLE_DEFAULT, "Courier New");
    edit.Send(SCI_STYLEGETFONT, STYLE_DEFAULT, face);
    EXPECT_EQ(std::string(face), "Courier New");
}

}
