// Any bytes at all must style without harm, every byte with one of the lexer's styles, and
// restyling from a line start must still agree with styling from the top.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Scintilla.h"
#include "hsplexer/HspView.h"

using namespace HspTest;

namespace {

bool IsLexerStyle(char style) {
    const int value = static_cast<unsigned char>(style);
    return value == DEF || (value >= BLOCK && value <= USER);
}

testing::AssertionResult AllStylesValid(const std::string &styles) {
    for (size_t i = 0; i < styles.size(); ++i) {
        if (!IsLexerStyle(styles[i]))
            return testing::AssertionFailure() << "style " << static_cast<int>(styles[i]) << " at " << i;
    }
    return testing::AssertionSuccess();
}

}

TEST(HspRobustness, RandomBinaryData) {
    std::mt19937 random(7);
    std::string bytes(200000, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random() & 0xFF);
    HspView view;
    EXPECT_TRUE(AllStylesValid(view.Style(bytes)));
    const EditControl &control = view.Control();
    for (int i = 0; i < 40; ++i) {
        const char one[2] = {static_cast<char>(random() & 0xFF), '\0'};
        control.Send(SCI_INSERTTEXT, random() % bytes.size(), one[0] ? one : "\n");
        view.RestyleFrom(view.StyledLine());
    }
    EXPECT_TRUE(MatchesFreshStyling(view));
}

TEST(HspRobustness, NulBytesAreBlanksInCodeAndTextInStrings) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {std::string(1, '\0'), DEF}, {std::string("\"a\0b\"", 5), STR},
                                 {std::string(2, '\0'), DEF}, {std::string(";c\0d", 4), LINE}}));
}

TEST(HspRobustness, LinesOfAHundredThousandBytes) {
    const std::string longString = "\"" + std::string(100000, 'x') + "\"";
    std::string japanese;
    while (japanese.size() < 100000)
        japanese += "表ソ能";
    const std::string longName = std::string(100000, 'n');
    std::string labels;
    while (labels.size() < 100000)
        labels += "*a*";
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {longString, STR}, {"\n", DEF},
                                 {";" + japanese, LINE}, {"\n", LINE}, {longName, ID}, {"=", OP}, {"1", NUM},
                                 {"\n", DEF}, {"/*" + japanese + "*/", BLOCK}, {"\n", DEF},
                                 {"{\"" + japanese + "\"}", MSTR}, {"\n", DEF}, {"*end", LBL}}));
    EXPECT_TRUE(RestylingFromEveryLineChangesNothing(view));
    // Label references and multiplications alternating over one line.
    EXPECT_TRUE(AllStylesValid(view.Style("a=" + labels)));
}

TEST(HspRobustness, UnterminatedConstructsRunToTheEndOfTheText) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"abc", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {" ", DEF}, {"/* x\n", BLOCK}, {"y", BLOCK}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"{\"x\\", MSTR}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"'\\", CHR}}));
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"A", ID}, {" ", DEF}, {"\\", OP}}));
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"A", ID}, {" ", DEF}, {"\\", OP}, {"\n", DEF}}));
}

TEST(HspRobustness, EmptyTextAndLoneLineEnds) {
    HspView view;
    EXPECT_EQ("", view.Style(""));
    EXPECT_TRUE(StylesAre(view, {{"\r\r\n\n\r", DEF}, {"*a", LBL}}));
}
