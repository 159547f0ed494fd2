#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspStrings, QuotesAndEscapesBelongToTheString) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"a\\\"b\\\\\"", STR}, {"+", OP}, {"\"\\n\\t\"", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"s", ID}, {"=", OP}, {"\"\"", STR}, {":", OP}, {"t", ID}}));
}

TEST(HspStrings, PlainStringEndsAtTheLineEnd) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"open ; not a comment", STR}, {"\r\n", STR},
                                 {"*next", LBL}}));
    // A backslash before the line end does not carry an ordinary line on.
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"abc\\", STR}, {"\n", STR}, {"*next", LBL}}));
}

TEST(HspStrings, BraceQuoteOpensAMultiLineString) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"s", ID}, {"=", OP}, {"{\"一行目\r\n \"引用\" ; // #define\r\n\\\"} 三\"}", MSTR},
                                 {"+", OP}, {"\"x\"", STR}}));
}

TEST(HspStrings, BraceThenBlankIsABlockAndAString) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"if", CMD}, {" ", DEF}, {"a", ID}, {" ", DEF}, {"{", OP}, {" ", DEF},
                                 {"\"x\"", STR}, {" ", DEF}, {"}", OP}}));
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"{\"x\"}", MSTR}}));
}

TEST(HspStrings, UnterminatedMultiLineStringRunsToTheEnd) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"{\"a\"\n*lbl\n#include \"b\"\n", MSTR}}));
}

TEST(HspStrings, AfterAMultiLineStringTheStatementGoesOn) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"{\"x\ny\"}", MSTR}, {"*", OP}, {"b", ID}, {" ", DEF},
                                 {";c", LINE}}));
}

TEST(HspStrings, CharacterConstants) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"c", ID}, {"=", OP}, {"'a'", CHR}, {"+", OP}, {"'\\''", CHR}, {"+", OP},
                                 {"'\\\\'", CHR}, {"+", OP}, {"'='", CHR}, {"+", OP}, {"';'", CHR}}));
    EXPECT_TRUE(StylesAre(view, {{"c", ID}, {"=", OP}, {"'x", CHR}, {"\n", CHR}, {"*lbl", LBL}}));
}

TEST(HspStrings, IncludeFileNameIsOneRunOfStringStyle) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#include", PP}, {" ", DEF}, {"\"sub\\\\部品.as\"", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"#addition", PP}, {"\t", DEF}, {"\"ソ.as\"", STR}, {" ", DEF}, {";x", LINE}}));
}
