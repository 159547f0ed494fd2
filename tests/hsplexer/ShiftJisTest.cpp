#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspShiftJis, TrailBackslashBeforeTheClosingQuote) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"ソ\"", STR}, {" ", DEF}, {"; 表", LINE}}));
    EXPECT_TRUE(StylesAre(view, {{"c", ID}, {"=", OP}, {"'表'", CHR}, {":", OP}, {"s", ID}, {"=", OP},
                                 {"{\"能\"}", MSTR}, {"+", OP}, {"\"予\"", STR}}));
}

TEST(HspShiftJis, TrailAtSignDoesNotSplitANameFromItsModule) {
    HspView view;
    // ァ is 0x83 0x40: its trail byte is no module suffix, so the whole word is looked up.
    view.SetKeywords(8, "関数ァ ");
    EXPECT_TRUE(StylesAre(view, {{"関数ァ", USER}, {" ", DEF}, {"関数ァ@mod", USER}}));
}

TEST(HspShiftJis, TrailBytesAreNotLowerCased) {
    HspView view;
    // ア is 0x83 0x41: lower-casing its trail byte would turn it into another word.
    view.SetKeywords(8, "ア ");
    EXPECT_TRUE(StylesAre(view, {{"ア", USER}, {" ", DEF}, {"\x83\x61", ID}}));
}

TEST(HspShiftJis, FullWidthSpaceSeparatesTokens) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {"　", DEF}, {"名前", ID}, {"　", DEF}, {";　コメント", LINE}}));
    EXPECT_TRUE(StylesAre(view, {{"goto", CMD}, {"　", DEF}, {"*開始", REF}, {"　", DEF}}));
}

TEST(HspShiftJis, LoneLeadByteNeverTakesTheLineEnd) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"b\x81", ID}, {"\r\n", DEF}, {"*next", LBL}}));
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"x\x81", STR}, {"\n", STR}, {"*next", LBL}}));
    // A lead byte before a quote is a byte of its own, so the quote closes the string.
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"x\x81\"", STR}, {"+", OP}, {"1", NUM}}));
}

TEST(HspShiftJis, LoneLeadByteAtTheEndOfTheText) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\x81", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"\x9F", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"*\xE0", LBL}}));
}

TEST(HspShiftJis, KatakanaAndOtherHighBytesStartNames) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"*ｶﾅ", LBL}, {":", OP}, {"goto", CMD}, {" ", DEF}, {"*\xA1\xDF", REF}}));
}
