#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspNumbers, DecimalAndReal) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"120", NUM}, {"+", OP}, {"1.5", NUM}, {"+", OP}, {"1e3", NUM},
                                 {"+", OP}, {"1e-6", NUM}, {"+", OP}, {"1.0e+10", NUM}, {"-", OP}, {"2.5f", NUM},
                                 {"+", OP}, {"3D", NUM}, {"+", OP}, {"4E5", NUM}}));
}

TEST(HspNumbers, HexadecimalAndBinaryWithSeparators) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"$1F", NUM}, {"+", OP}, {"0x1f", NUM}, {"+", OP},
                                 {"0X2A", NUM}, {"+", OP}, {"%0101", NUM}, {"+", OP}, {"0b0101", NUM}, {"+", OP},
                                 {"$FF_FF", NUM}, {"+", OP}, {"%1111_0000", NUM}, {"+", OP}, {"0x7f_ff", NUM}}));
}

TEST(HspNumbers, PrefixWithoutDigitsIsNoNumber) {
    HspView view;
    // `$`, `%` with no digit are operators; 0x and 0b need a digit after them.
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"$", OP}, {"g", ID}, {"+", OP}, {"%", OP}, {"2", NUM},
                                 {"+", OP}, {"0", NUM}, {"xyz", ID}, {"+", OP}, {"0", NUM}, {"b2", ID}}));
    // An exponent needs digits; a suffix the lexer does not know ends the number.
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"1", NUM}, {"e", ID}, {"+", OP}, {"x", ID}, {"+", OP},
                                 {"10", NUM}, {"L", ID}}));
}

TEST(HspNumbers, DotIsAnOperatorBeforeADigitString) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {".", OP}, {"5", NUM}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {".", OP}, {"1.0", NUM}, {"=", OP}, {"lflag", ID}, {".", OP},
                                 {"cnt", SYS}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"1.2", NUM}, {".", OP}, {"3", NUM}}));
}

TEST(HspNumbers, DigitsInsideNamesAreName) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"x1", ID}, {"=", OP}, {"a2b", ID}, {"+", OP}, {"_3", ID}}));
}

TEST(HspNumbers, DefineBodyTakesParametersNotBinaryNumbers) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"ctype", RES}, {" ", DEF}, {"twice", ID}, {"(", OP},
                                 {"%1", ID}, {")", OP}, {" ", DEF}, {"(", OP}, {"(", OP}, {"%1", ID}, {")", OP},
                                 {"*", OP}, {"2", NUM}, {"+", OP}, {"%10", ID}, {"+", OP}, {"%%", OP},
                                 {"+", OP}, {"%tloop", ID}, {" ", DEF}, {"%i0", ID}, {" ", DEF}, {"%p", ID},
                                 {"abc", ID}}));
    // Outside #define the same characters are a binary number.
    EXPECT_TRUE(StylesAre(view, {{"#const", PP}, {" ", DEF}, {"B", ID}, {" ", DEF}, {"%10", NUM}, {"\n", DEF},
                                 {"a", ID}, {"=", OP}, {"%1", NUM}}));
}

TEST(HspNumbers, DefineParametersOnContinuedLines) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"f", ID}, {"(", OP}, {"%1", ID}, {")", OP}, {" ", DEF},
                                 {"\\", OP}, {"\n", DEF}, {"\t", DEF}, {"%1", ID}, {"\n", DEF}, {"a", ID},
                                 {"=", OP}, {"%1", NUM}}));
}
