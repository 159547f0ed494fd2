#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspDirectives, HashAndWordTogetherAfterBlanks) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#include", PP}, {" ", DEF}, {"\"a.as\"", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"  \t　", DEF}, {"#deffunc", PP}, {" ", DEF}, {"f", ID}, {" ", DEF}, {"int", RES},
                                 {" ", DEF}, {"a", ID}}));
}

TEST(HspDirectives, HashAfterCodeIsNoDirective) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"1", NUM}, {" ", DEF}, {":", OP}, {" ", DEF}, {"#", OP},
                                 {"include", ID}, {" ", DEF}, {"\"a\"", STR}}));
    EXPECT_TRUE(StylesAre(view, {{"/* c */", BLOCK}, {" ", DEF}, {"#", OP}, {"define", ID}}));
}

TEST(HspDirectives, UnlistedDirectiveWordsAndALoneHash) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#bootopt", PP}, {" ", DEF}, {"notimer", ID}, {" ", DEF}, {"1", NUM}, {"\n", DEF},
                                 {"#varint", PP}, {"\n", DEF}, {"#", PP}, {" ", DEF}, {"x", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"#Include", PP}, {" ", DEF}, {"\"a\"", STR}}));
}

TEST(HspDirectives, ReservedWordsOnlyOnDirectiveLines) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#deffunc", PP}, {" ", DEF}, {"local", RES}, {" ", DEF}, {"name", RES}, {" ", DEF},
                                 {"int", RES}, {" ", DEF}, {"a", ID}, {",", OP}, {" ", DEF}, {"var", RES},
                                 {" ", DEF}, {"b", ID}, {"\n", DEF}, {"x", ID}, {"=", OP}, {"int", FUNC},
                                 {"(", OP}, {"local", ID}, {")", OP}, {":", OP}, {"onexit", CMD}}));
    EXPECT_TRUE(StylesAre(view, {{"#func", PP}, {" ", DEF}, {"global", RES}, {" ", DEF}, {"Foo", ID}, {" ", DEF},
                                 {"\"Foo\"", STR}, {" ", DEF}, {"INT", RES}, {",", OP}, {"sptr", RES}}));
    EXPECT_TRUE(StylesAre(view, {{"#packopt", PP}, {" ", DEF}, {"name", RES}, {" ", DEF}, {"\"x\"", STR},
                                 {"\n", DEF}, {"#cmpopt", PP}, {" ", DEF}, {"ppout", ID}, {" ", DEF}, {"1", NUM}}));
}

TEST(HspDirectives, BackslashContinuesOnlyDirectiveLines) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#deffunc", PP}, {" ", DEF}, {"f", ID}, {" ", DEF}, {"int", RES}, {" ", DEF},
                                 {"a", ID}, {",", OP}, {" ", DEF}, {"\\", OP}, {"\r\n", DEF}, {"\t", DEF},
                                 {"local", RES}, {" ", DEF}, {"b", ID}, {"\r\n", DEF}, {"\t", DEF}, {"a", ID},
                                 {"=", OP}, {"b", ID}, {"\\", OP}, {"\r\n", DEF}, {"\t", DEF}, {"local", ID}}));
    // The continued line is part of the directive, so a `#` there opens nothing new.
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"A", ID}, {" ", DEF}, {"\\", OP}, {"\n", DEF},
                                 {"#", OP}, {"x", ID}}));
}

TEST(HspDirectives, ContinuationCarriesACommentOrStringOn) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"A", ID}, {" ", DEF}, {"1", NUM}, {" ", DEF},
                                 {"; note \\", LINE}, {"\n", LINE}, {"still comment", LINE}, {"\n", LINE},
                                 {"mes", CMD}}));
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"S", ID}, {" ", DEF}, {"\"ab\\", STR}, {"\n", STR},
                                 {"cd\"", STR}, {" ", DEF}, {"int", RES}}));
}

TEST(HspDirectives, ShiftJisTrailBackslashDoesNotContinue) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#const", PP}, {" ", DEF}, {"A", ID}, {" ", DEF}, {"1", NUM}, {" ", DEF},
                                 {"; 表", LINE}, {"\n", LINE}, {"*next", LBL}}));
    EXPECT_TRUE(StylesAre(view, {{"#define", PP}, {" ", DEF}, {"ソ", ID}, {"\n", DEF}, {"int", FUNC}}));
}

TEST(HspDirectives, DirectiveEndsWithItsLineEvenInsideAComment) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#deffunc", PP}, {" ", DEF}, {"f", ID}, {" ", DEF}, {"/* a\n", BLOCK},
                                 {"*/", BLOCK}, {" ", DEF}, {"int", FUNC}}));
}

// The hidden views that analyse scripts have only the directive and reserved-word sets.
TEST(HspDirectives, AnalysisViewsStyleDirectivesAndLabelsTheSame) {
    HspView view;
    view.UseAnalysisKeywords();
    EXPECT_TRUE(StylesAre(view, {{"#deffunc", PP}, {" ", DEF}, {"Foo", ID}, {" ", DEF}, {"a", ID}, {",", OP},
                                 {"b", ID}, {"\n", DEF}, {"#define", PP}, {" ", DEF}, {"global", RES}, {" ", DEF},
                                 {"Foo", ID}, {"(", OP}, {"%1", ID}, {")", OP}, {" ", DEF}, {"mes", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"onexit", ID}, {" ", DEF}, {"goto", ID}, {" ", DEF}, {"*owari", REF}, {"\n", DEF},
                                 {"on", ID}, {" ", DEF}, {"n", ID}, {" ", DEF}, {"gosub", ID}, {" ", DEF},
                                 {"*a", REF}, {",", OP}, {"*b", REF}, {"\n", DEF}, {"*owari", LBL}}));
}
