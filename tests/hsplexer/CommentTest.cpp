#include <gtest/gtest.h>

#include "hsplexer/HspView.h"

using namespace HspTest;

TEST(HspComments, SemicolonAndSlashesRunToTheLineEnd) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"1", NUM}, {" ", DEF}, {"; 表示する\n", LINE},
                                 {"// コメント ; */\n", LINE}, {"a", ID}}));
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"1", NUM}, {"// c", LINE}}));
}

TEST(HspComments, BlockCommentMidLineAndAcrossLines) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"a", ID}, {"=", OP}, {"/* x ; y */", BLOCK}, {"2", NUM}}));
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"/* 一行目\r\n二行目 \"not a string\"\r\n*/", BLOCK},
                                 {" ", DEF}, {"1", NUM}}));
}

TEST(HspComments, BlockCommentsDoNotNest) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"/* a /* b */", BLOCK}, {" ", DEF}, {"c", ID}, {" ", DEF}, {"*", OP}, {"/", OP}}));
    // The `*` that opens the comment cannot also close it.
    EXPECT_TRUE(StylesAre(view, {{"/*/ a", BLOCK}}));
}

TEST(HspComments, CommentMarksInsideStringsAndCharactersAreText) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"mes", CMD}, {" ", DEF}, {"\"a;b//c/*d\"", STR}, {" ", DEF}, {"; real", LINE}}));
    EXPECT_TRUE(StylesAre(view, {{"c", ID}, {"=", OP}, {"';'", CHR}, {"+", OP}, {"'/'", CHR}, {" ", DEF},
                                 {"// real", LINE}}));
}

TEST(HspComments, DirectiveLineInsideABlockCommentIsComment) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"/*\n#include \"a.as\"\n", BLOCK}, {"   ", BLOCK}, {"#deffunc f */", BLOCK},
                                 {"\n", DEF}, {"#deffunc", PP}, {" ", DEF}, {"g", ID}}));
}

TEST(HspComments, CommentAtTheEndOfADirectiveLine) {
    HspView view;
    EXPECT_TRUE(StylesAre(view, {{"#const", PP}, {" ", DEF}, {"global", RES}, {" ", DEF}, {"MAX", ID}, {" ", DEF},
                                 {"10", NUM}, {" ", DEF}, {"; 最大値", LINE}, {"\n", LINE}, {"mes", CMD}}));
}
