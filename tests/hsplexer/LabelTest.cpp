#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspLabels, DefinitionsStartStatements) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"*main", LBL}, {":", OP}, {"mes", CMD}, {" ", DEF}, {"1", NUM}}));
    EXPECT_TRUE(StylesAre(view, {{"\t ", DEF}, {"*ラベル", LBL}, {"\n", DEF}, {"*@", LBL}, {"\n", DEF},
                                 {"a", ID}, {"=", OP}, {"1", NUM}, {":", OP}, {"*sub", LBL}}));
    EXPECT_TRUE(StylesAre(view, {{"if", CMD}, {" ", DEF}, {"a", ID}, {" ", DEF}, {"{", OP}, {"*in", LBL},
                                 {"}", OP}, {"*out", LBL}}));
}

TEST(HspLabels, ReferencesWhereAnOperandBegins) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"goto", CMD}, {" ", DEF}, {"*main", REF}}));
    EXPECT_TRUE(StylesAre(view, {{"gosub", CMD}, {" ", DEF}, {"*@b", REF}, {":", OP}, {"goto", CMD}, {" ", DEF},
                                 {"*@forward", REF}}));
    EXPECT_TRUE(StylesAre(view, {{"onexit", CMD}, {" ", DEF}, {"goto", CMD}, {" ", DEF}, {"*owari", REF}}));
    EXPECT_TRUE(StylesAre(view, {{"button", CMD}, {" ", DEF}, {"\"OK\"", STR}, {",", OP}, {" ", DEF}, {"*lbl", REF}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"*test", REF}, {":", OP}, {"x", ID}, {",", OP},
                                 {"*lbl", REF}, {":", OP}, {"f", ID}, {"(", OP}, {"*p", REF}, {")", OP}}));
    // A word the lexer does not know, first in its statement, is a command taking the label.
    EXPECT_TRUE(StylesAre(view, {{"mycmd", ID}, {" ", DEF}, {"*here", REF}}));
}

TEST(HspLabels, MultiplicationAfterAValue) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {" ", DEF}, {"=", OP}, {" ", DEF}, {"b", ID}, {"*", OP}, {"c", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"x", ID}, {" ", DEF}, {"*", OP}, {"y", ID}, {"+", OP},
                                 {"(", OP}, {"1", NUM}, {")", OP}, {"*", OP}, {"z", ID}, {"+", OP}, {"\"s\"", STR},
                                 {"*", OP}, {"n", ID}, {"+", OP}, {"2", NUM}, {"*", OP}, {"m", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"x", ID}, {"*", OP}, {"100", NUM}}));
}

TEST(HspLabels, AsteriskBeforeDigitBlankOrSymbolIsNeverALabel) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"*", OP}, {"=", OP}, {"2", NUM}}));
    EXPECT_TRUE(StylesAre(view, {{"*", OP}, {"1", NUM}, {"\n", DEF}, {"*", OP}, {" ", DEF}, {"a", ID}, {"\n", DEF},
                                 {"*", OP}, {":", OP}, {"*", OP}, {";x\n", LINE}, {"*", OP}, {"<", OP},
                                 {"*", OP}, {"?", OP}, {"*", OP}, {"　", DEF}, {"a", ID}}));
}

TEST(HspLabels, ModuleSuffixOnGotoStillTakesALabel) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"onexit", CMD}, {" ", DEF}, {"goto@hsp", CMD}, {" ", DEF}, {"*owari", REF}}));
}
