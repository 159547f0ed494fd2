// The HSP lexer (300). Its cases are files in hsp/, built in by HspCases.rc: a script (UTF-8,
// styled as Shift-JIS) and the expected styles of every byte in the notation "{n}" before each
// run of style n, checked whole. Keyword sets come from hsp/sets.txt and, for some scripts,
// <script>.sets. A different expectation is written, in UTF-8, to <script>.hsp.styled.new in the
// folder the test runs in, to be looked at and copied over the expectation.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "Scintilla.h"
#include "support/TestData.h"
#include "support/TestFiles.h"
#include "vessary/HspSampleScripts.h"
#include "vessary/HspView.h"
#include "vessary/VessaryMessages.h"

namespace {

template <size_t N> std::string Bytes(const char (&text)[N]) { return std::string(text, N - 1); }

bool AllLexerStyles(const std::string &styles) {
    return std::all_of(styles.begin(), styles.end(),
                       [](char s) { return s == VSHSP_DEFAULT || (s >= VSHSP_COMMENTBLOCK && s <= VSHSP_USER); });
}

// The names of the scripts built in: HSP_<NAME> without a suffix.
BOOL CALLBACK AddScript(HMODULE, LPCSTR, LPSTR name, LONG_PTR scripts) {
    const std::string found = IS_INTRESOURCE(name) ? std::string() : std::string(name);
    const auto endsWith = [&found](const std::string &suffix) {
        return found.size() > suffix.size() && found.compare(found.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (found.rfind("HSP_", 0) == 0 && found != "HSP_SETS" && !endsWith("_STYLED") && !endsWith("_SETS"))
        reinterpret_cast<std::vector<std::string> *>(scripts)->push_back(found);
    return TRUE;
}

std::vector<std::string> Scripts() {
    std::vector<std::string> names;
    EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(10), AddScript, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::string Utf8(const std::string &shiftJis) {
    std::wstring wide(shiftJis.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, shiftJis.data(), static_cast<int>(shiftJis.size()), &wide[0],
                                                        static_cast<int>(wide.size()))));
    std::string text(wide.size() * 3, '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                                        static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

std::string WithCrLf(const std::string &text) {
    std::string converted;
    for (const char c : text)
        converted += c == '\n' ? "\r\n" : std::string(1, c);
    return converted;
}

// Each line end as CR LF must take the style its LF alone takes, and change nothing else.
testing::AssertionResult CrLfStylesLikeLf(HspView &view, const std::string &text, const std::string &styles) {
    std::string expected;
    for (size_t i = 0; i < text.size(); ++i)
        expected += text[i] == '\n' ? std::string(2, styles[i]) : std::string(1, styles[i]);
    if (view.Style(WithCrLf(text)) == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "styled differently with CR LF line ends";
}

TEST(HspLexer, Cases) {
    const std::vector<std::string> scripts = Scripts();
    ASSERT_GE(scripts.size(), 8u);
    for (const std::string &script : scripts) {
        SCOPED_TRACE(script);
        HspView view;
        view.SetKeywords(HspView::ReadKeywords((script + "_SETS").c_str()));
        const std::string text = TestData::Text(script.c_str());
        const std::string styles = view.Style(text);
        std::string styled;
        ASSERT_TRUE(Notation(text, styles, styled));
        if (styled != TestData::Text((script + "_STYLED").c_str())) {
            std::string file = script.substr(4) + ".hsp.styled.new";
            std::transform(file.begin(), file.end(), file.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
            TestFiles::Write(file, Utf8(styled));
            ADD_FAILURE() << "styles differ from the expected ones: see " << file;
        }
        EXPECT_TRUE(RestylingFromEveryLineChangesNothing(view));
        EXPECT_TRUE(CrLfStylesLikeLf(view, text, styles));
    }
}

// Bytes no UTF-8 file holds (lone lead bytes, NUL) and constructs left open at the end of the text.
TEST(HspLexer, RawBytesAndTheEndOfTheText) {
    const struct {
        std::string text, styled;
    } cases[] = {
        {Bytes("mes\0\"a\0b\"\0\0;c\0d"), Bytes("{13}mes{0}\0{6}\"a\0b\"{0}\0\0{3};c\0d")},
        {"a=b\x81\r\n*next", "{12}a{11}={12}b\x81{0}\r\n{9}*next"},
        {"mes \"x\x81\n*next", "{13}mes{0} {6}\"x\x81\n{9}*next"},
        {"mes \"x\x81\"+1", "{13}mes{0} {6}\"x\x81\"{11}+{4}1"},
        {"mes \x81", "{13}mes{0} {12}\x81"},
        {"mes \"\x9F", "{13}mes{0} {6}\"\x9F"},
        {"*\xE0", "{9}*\xE0"},
        {"a /* x\ny", "{12}a{0} {2}/* x\ny"},
        {"a={\"x\\", "{12}a{11}={7}{\"x\\"},
        {"a='\\", "{12}a{11}={8}'\\"},
        {"#define A \\", "{15}#define{0} {12}A{0} {11}\\"},
        {"#define A \\\n", "{15}#define{0} {12}A{0} {11}\\{0}\n"},
        {"mes {\"a\"\n*lbl\n#include \"b\"\n", "{13}mes{0} {7}{\"a\"\n*lbl\n#include \"b\"\n"},
        {"\r\r\n\n\r*a", "{0}\r\r\n\n\r{9}*a"},
        {"", ""},
    };
    HspView view;
    for (const auto &c : cases) {
        std::string styled;
        EXPECT_TRUE(Notation(c.text, view.Style(c.text), styled));
        EXPECT_EQ(c.styled, styled);
    }
}

TEST(HspLexer, ChangedKeywordListsRestyleTheText) {
    HspView view;
    view.Style("alpha beta");
    view.SetKeywords({{8, "Beta "}});
    view.Control().Colourise();
    std::string styled;
    ASSERT_TRUE(Notation("alpha beta", view.Styles(), styled));
    EXPECT_EQ("{12}alpha{0} {20}beta", styled);
}

// Every change of a line state costs the component a notification and a repaint request, which
// made the first styling of a large file (Ctrl+End) several times slower than the lexing.
TEST(HspLexer, StylingANewTextChangesNoLineStateOfCodeCommentsOrMultiLineStrings) {
    HspView view;
    view.Style("a=1\n/* x\ny\n*/ s={\"a\nb\"}\n*c\n");
    for (intptr_t line = 0; line < view.Control().Send(SCI_GETLINECOUNT); ++line)
        EXPECT_EQ(0, view.Control().Send(SCI_GETLINESTATE, static_cast<uintptr_t>(line))) << line;
}

TEST(HspLexer, LinesOfAHundredThousandBytes) {
    std::string japanese;
    while (japanese.size() < 100000)
        japanese += "表ソ能";
    const struct {
        std::string text;
        int style;
    } spans[] = {{"mes", VSHSP_COMMAND}, {" ", VSHSP_DEFAULT}, {"\"" + std::string(100000, 'x') + "\"", VSHSP_STRING},
                 {"\n", VSHSP_DEFAULT}, {";" + japanese + "\n", VSHSP_COMMENTLINE}, {std::string(100000, 'n'), VSHSP_IDENTIFIER},
                 {"=", VSHSP_OPERATOR}, {"1", VSHSP_NUMBER}, {"\n", VSHSP_DEFAULT},
                 {"/*" + japanese + "*/", VSHSP_COMMENTBLOCK}, {"\n", VSHSP_DEFAULT},
                 {"{\"" + japanese + "\"}", VSHSP_MULTISTRING}, {"\n", VSHSP_DEFAULT}, {"*end", VSHSP_LABEL}};
    std::string text, expected;
    for (const auto &span : spans) {
        text += span.text;
        expected += std::string(span.text.size(), static_cast<char>(span.style));
    }
    HspView view;
    EXPECT_TRUE(view.Style(text) == expected);
    EXPECT_TRUE(RestylingFromEveryLineChangesNothing(view));
    // Label references and multiplications alternating over one line.
    std::string labels = "a=";
    while (labels.size() < 100000)
        labels += "*a*";
    EXPECT_TRUE(AllLexerStyles(view.Style(labels)));
}

// Pieces that open or close what spans lines, or that change how a line starts.
const char *const fragments[] = {
    "\n", "\r\n", "\r", "/*", "*/", "{\"", "\"}", "\"", "'", "\\", "\\\n", ";", "//", "#define X ",
    "#deffunc f int a", "\t#include \"a.as\"", "*lbl", "goto *a", ":", "{", "}", "ソ", "表\\", "\x81",
    "%1", "$1F", "0x", "1.5e", "　", "mes \"あ\"\n", "*/\n#x", "\n#define A \\\n", "a*b", "\n*",
};

intptr_t Pick(std::mt19937 &random, intptr_t from, intptr_t to) {
    return to <= from ? from : from + static_cast<intptr_t>(random() % static_cast<unsigned>(to - from + 1));
}

void RandomEdit(const EditControl &control, std::mt19937 &random) {
    const intptr_t length = control.Send(SCI_GETLENGTH);
    const intptr_t at = Pick(random, 0, length);
    if (random() % 3 == 0 && length > 0) {
        const intptr_t from = std::min(at, length - 1);
        control.Send(SCI_DELETERANGE, static_cast<uintptr_t>(from), Pick(random, 1, std::min<intptr_t>(40, length - from)));
        return;
    }
    control.Send(SCI_INSERTTEXT, static_cast<uintptr_t>(at), fragments[random() % (sizeof fragments / sizeof fragments[0])]);
}

// After any edit, restyling from where Scintilla's lazy styling would start (or from an earlier
// line) must give what styling the whole text from the top gives.
TEST(HspLexer, RandomEditsThenRestyleFromALineStart) {
    for (unsigned seed = 1; seed <= 16; ++seed) {
        std::mt19937 random(seed);
        HspView view;
        std::string text;
        for (int i = 0; i < 3; ++i)
            text += HspSamples::scripts[random() % (sizeof HspSamples::scripts / sizeof HspSamples::scripts[0])];
        view.Style(seed % 2 == 0 ? WithCrLf(text) : text);
        for (int edit = 1; edit <= 60; ++edit) {
            RandomEdit(view.Control(), random);
            // Now and then part of the text is styled, as a window shows only some lines.
            if (random() % 3 == 0)
                view.RestyleFrom(Pick(random, 0, view.StyledLine()), Pick(random, 0, view.Control().Send(SCI_GETLENGTH)));
            if (edit % 6 == 0) {
                view.RestyleFrom(Pick(random, 0, view.StyledLine()));
                ASSERT_TRUE(MatchesFreshStyling(view)) << "seed " << seed << ", edit " << edit;
            }
        }
    }
}

// Edits that open, close, join or split what spans lines; undoing them gives the first styles back.
TEST(HspLexer, EditsAcrossLinesRestyleTheLinesAfterThem) {
    const struct {
        const char *text, *at, *insert;
        size_t remove;
    } edits[] = {
        {"s={\"one\n*two\nthree\"}\n*four\n", "*two", "\"}\n", 0},
        {"a=1\n/* x\n#define A\n*/ *b\n*c\n", "#define", "*/", 0},
        {"a=1\n/* x\n#define A\n*/ *b\n*c\n", "/*", "", 2},
        {"#define A 1\n*lbl\n#deffunc f\n\tlocal\n", "\n*lbl", "", 1},
        {"#define A 1\n*lbl\n#deffunc f\n\tlocal\n", "\n\tlocal", " \\", 0},
    };
    for (const auto &e : edits) {
        HspView view;
        const std::string original = view.Style(e.text);
        view.Control().Send(SCI_EMPTYUNDOBUFFER);
        const uintptr_t at = std::string(e.text).find(e.at);
        view.Control().Send(SCI_DELETERANGE, at, static_cast<intptr_t>(e.remove));
        view.Control().Send(SCI_INSERTTEXT, at, e.insert);
        view.RestyleFrom(view.StyledLine());
        EXPECT_TRUE(MatchesFreshStyling(view)) << e.text;
        while (view.Control().Send(SCI_CANUNDO))
            view.Control().Send(SCI_UNDO);
        view.RestyleFrom(view.StyledLine());
        EXPECT_EQ(original, view.Styles()) << e.text;
    }
}

// Any bytes at all style without harm, every byte with one of the lexer's styles.
TEST(HspLexer, RandomBinaryData) {
    std::mt19937 random(7);
    std::string bytes(200000, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random() & 0xFF);
    HspView view;
    EXPECT_TRUE(AllLexerStyles(view.Style(bytes)));
    for (int i = 0; i < 40; ++i) {
        const char one[2] = {static_cast<char>(random() & 0xFF), '\0'};
        view.Control().Send(SCI_INSERTTEXT, random() % bytes.size(), one[0] ? one : "\n");
        view.RestyleFrom(view.StyledLine());
    }
    EXPECT_TRUE(MatchesFreshStyling(view));
}

}
