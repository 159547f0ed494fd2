// After any edit, restyling from a line start must give what styling the whole text from the
// top gives. The edits go through the control as typing would, and the control restyles from
// where Scintilla's own lazy styling would start (or from an earlier line).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "Scintilla.h"
#include "hsplexer/HspView.h"
#include "vessary/HspSampleScripts.h"

using namespace HspTest;

namespace {

// Pieces that open or close what spans lines, or that change how a line starts.
const char *const fragments[] = {
    "\n", "\r\n", "\r", "/*", "*/", "{\"", "\"}", "\"", "'", "\\", "\\\n", ";", "//", "#define X ",
    "#deffunc f int a", "\t#include \"a.as\"", "*lbl", "goto *a", ":", "{", "}", "ソ", "表\\", "\x81",
    "%1", "$1F", "0x", "1.5e", "　", "mes \"あ\"\n", "*/\n#x", "\n#define A \\\n", "a*b", "\n*",
};

std::string Scripts(std::mt19937 &random, bool crlf) {
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += HspSamples::scripts[random() % (sizeof(HspSamples::scripts) / sizeof(HspSamples::scripts[0]))];
    if (!crlf)
        return text;
    std::string converted;
    for (const char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

intptr_t Pick(std::mt19937 &random, intptr_t from, intptr_t to) {
    return to <= from ? from : from + static_cast<intptr_t>(random() % static_cast<unsigned>(to - from + 1));
}

void RandomEdit(const EditControl &control, std::mt19937 &random) {
    const intptr_t length = control.Send(SCI_GETLENGTH);
    const intptr_t at = Pick(random, 0, length);
    if (random() % 3 == 0 && length > 0) {
        control.Send(SCI_DELETERANGE, static_cast<uintptr_t>(std::min(at, length - 1)),
                     Pick(random, 1, std::min<intptr_t>(40, length - std::min(at, length - 1))));
        return;
    }
    const char *fragment = fragments[random() % (sizeof(fragments) / sizeof(fragments[0]))];
    control.Send(SCI_INSERTTEXT, static_cast<uintptr_t>(at), fragment);
}

}

TEST(HspIncremental, RandomEditsThenRestyleFromALineStart) {
    for (unsigned seed = 1; seed <= 16; ++seed) {
        std::mt19937 random(seed);
        HspView view;
        const EditControl &control = view.Control();
        view.Style(Scripts(random, seed % 2 == 0));
        for (int edit = 1; edit <= 60; ++edit) {
            RandomEdit(control, random);
            // Now and then part of the text is styled, as a window shows only some lines.
            if (random() % 3 == 0)
                view.RestyleFrom(Pick(random, 0, view.StyledLine()), Pick(random, 0, control.Send(SCI_GETLENGTH)));
            if (edit % 6 == 0) {
                view.RestyleFrom(Pick(random, 0, view.StyledLine()));
                ASSERT_TRUE(MatchesFreshStyling(view)) << "seed " << seed << ", edit " << edit;
            }
        }
    }
}

// From inside a line the restyling starts at that line's start.
TEST(HspIncremental, RestylingFromAnyLineChangesNothing) {
    HspView view;
    std::string all;
    for (const char *script : HspSamples::scripts)
        all += script;
    const std::string styles = view.Style(all);
    ASSERT_TRUE(RestylingFromEveryLineChangesNothing(view));
    const EditControl &control = view.Control();
    for (intptr_t line = 0; line < control.Send(SCI_GETLINECOUNT); ++line) {
        const intptr_t middle = (control.Send(SCI_POSITIONFROMLINE, static_cast<uintptr_t>(line)) +
                                 control.Send(SCI_GETLINEENDPOSITION, static_cast<uintptr_t>(line))) / 2;
        control.Send(SCI_COLOURISE, static_cast<uintptr_t>(middle), -1);
        ASSERT_EQ(styles, view.Styles()) << "restyled from the middle of line " << line;
    }
}

TEST(HspIncremental, ClosingAMultiLineStringInItsMiddle) {
    HspView view;
    const std::string text = "s={\"one\n*two\nthree\"}\n*four\n";
    view.Style(text);
    const EditControl &control = view.Control();
    const int two = static_cast<int>(text.find("*two"));
    control.Send(SCI_INSERTTEXT, static_cast<uintptr_t>(two), "\"}\n");
    view.RestyleFrom(view.StyledLine());
    EXPECT_EQ(MSTR, control.StyleAt(two + 1));
    EXPECT_EQ(LBL, control.StyleAt(two + 3));
    EXPECT_EQ(ID, control.StyleAt(static_cast<int>(text.find("three")) + 3));
    EXPECT_TRUE(MatchesFreshStyling(view));
    control.Send(SCI_DELETERANGE, static_cast<uintptr_t>(two), 3);
    view.RestyleFrom(view.StyledLine());
    EXPECT_EQ(view.Style(text), view.Styles());
}

TEST(HspIncremental, OpeningAndClosingABlockComment) {
    HspView view;
    const std::string text = "a=1\n/* x\n#define A\n*/ *b\n*c\n";
    view.Style(text);
    const EditControl &control = view.Control();
    control.Send(SCI_INSERTTEXT, text.find("#define"), "*/");
    view.RestyleFrom(view.StyledLine());
    EXPECT_EQ(OP, control.StyleAt(static_cast<int>(text.find("#define")) + 2));
    EXPECT_TRUE(MatchesFreshStyling(view));
    control.Send(SCI_DELETERANGE, text.find("/*"), 2);
    view.RestyleFrom(view.StyledLine());
    EXPECT_TRUE(MatchesFreshStyling(view));
    EXPECT_EQ(LBL, control.StyleAt(static_cast<int>(control.Send(SCI_GETLENGTH)) - 3));
}

TEST(HspIncremental, JoiningAndSplittingADirectiveLine) {
    HspView view;
    const std::string text = "#define A 1\n*lbl\n#deffunc f\n\tlocal\n";
    const std::string original = view.Style(text);
    const EditControl &control = view.Control();
    control.Send(SCI_DELETERANGE, text.find("\n*lbl"), 1);
    view.RestyleFrom(view.StyledLine());
    EXPECT_TRUE(MatchesFreshStyling(view));
    control.Send(SCI_INSERTTEXT, text.find("\n*lbl"), "\n");
    view.RestyleFrom(view.StyledLine());
    EXPECT_EQ(original, view.Styles());
    control.Send(SCI_INSERTTEXT, text.find("\n\tlocal"), " \\");
    view.RestyleFrom(view.StyledLine());
    EXPECT_EQ(RES, control.StyleAt(static_cast<int>(text.find("local")) + 2));
    EXPECT_TRUE(MatchesFreshStyling(view));
}
