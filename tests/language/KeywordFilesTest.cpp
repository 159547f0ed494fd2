// Reading user keyword, completion and code-tip files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/KeywordFiles.h"
#include "support/TestFiles.h"

namespace {

class KeywordFilesTest : public testing::Test {
protected:
    void SetUp() override { folder_ = TestFiles::MakeTempFolder("keywords"); }
    void TearDown() override { TestFiles::RemoveTree(folder_); }

    std::string File(const char *name, const std::string &bytes) {
        const std::string path = folder_ + name;
        TestFiles::Write(path, bytes);
        return path;
    }
    std::string Missing() const { return folder_ + "missing.kw"; }

private:
    std::string folder_;
};

TEST_F(KeywordFilesTest, KeywordsAreFoldedToLowerCaseWithEachLineBreakOneBlank) {
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("a.kw", "MyFunc\r\nOtherWord")}), "myfunc otherword ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("b.kw", "One\r\n\r\nTwo\tThree\r\n")}), "one  two three  ");
}

TEST_F(KeywordFilesTest, KeywordFilesFollowEachOtherAndEmptyOrMissingOnesAddNothing) {
    const std::string common = File("common.kw", "Alpha");
    const std::string empty = File("empty.kw", "");
    const std::string project = File("project.kw", "Beta\r\nGamma");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({common, empty, Missing(), project}), "alpha beta gamma ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({common, empty}), KeywordFiles::ReadKeywordList({common}));
    EXPECT_EQ(KeywordFiles::ReadKeywordList({empty, Missing()}), "");
}

TEST_F(KeywordFilesTest, CommentLinesOfAKeywordFileAreSkipped) {
    const std::string file = File("c.kw", "; my keywords\r\nFirst\r\n  ;second\r\nThird");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({file}), "first third ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("d.kw", "; nothing but a note\r\n")}), "");
}

TEST_F(KeywordFilesTest, LowerCasingLeavesDoubleByteCharactersWhole) {
    // "ソ" is 0x83 0x5C and "ア" 0x83 0x41: the trail byte of the second is "A".
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("j.kw", "ソアXY")}), "ソアxy ");
}

TEST_F(KeywordFilesTest, CompletionListIsSortedUniqueWithUpperCaseFirst) {
    const std::string first = File("a.cc", "zeta alpha\r\nzeta");
    const std::string second = File("b.cc", "Alpha\tzeta\r\n");
    EXPECT_EQ(KeywordFiles::ReadCompletionList({first, second}), "Alpha alpha zeta");
    EXPECT_EQ(KeywordFiles::ReadCompletionList({File("c.cc", " \r\n\t"), Missing()}), "");
}

TEST_F(KeywordFilesTest, CompletionWordsKeepDoubleByteCharacters) {
    EXPECT_EQ(KeywordFiles::ReadCompletionList({File("j.cc", "表示 mes\r\n表示")}), "mes 表示");
}

TEST(CodeTip, ArgumentRangesComeFromAngleBrackets) {
    CodeTip tip;
    ASSERT_TRUE(KeywordFiles::ParseCodeTip("pos?pos <p1>,<p2>", tip));
    EXPECT_EQ(tip.keyword, "pos");
    EXPECT_EQ(tip.text, "pos p1,p2");
    const std::vector<std::pair<int, int>> ranges{{4, 6}, {7, 9}};
    EXPECT_EQ(tip.ranges, ranges);
}

TEST(CodeTip, ABackslashStartsANewTipLineButNotInsideADoubleByteCharacter) {
    CodeTip tip;
    ASSERT_TRUE(KeywordFiles::ParseCodeTip("  mes ?mes <\"表示\">\\print a message", tip));
    EXPECT_EQ(tip.keyword, "mes");
    EXPECT_EQ(tip.text, "mes \"表示\"\nprint a message");
    ASSERT_EQ(tip.ranges.size(), 1u);
    EXPECT_EQ(tip.text.substr(static_cast<size_t>(tip.ranges[0].first),
                              static_cast<size_t>(tip.ranges[0].second - tip.ranges[0].first)),
              "\"表示\"");
}

TEST(CodeTip, LinesWithoutAQuestionMarkOrKeywordAddNothing) {
    CodeTip tip;
    EXPECT_FALSE(KeywordFiles::ParseCodeTip("pos p1,p2", tip));
    EXPECT_FALSE(KeywordFiles::ParseCodeTip("; 注釈？全角の疑問符", tip));
    EXPECT_FALSE(KeywordFiles::ParseCodeTip("   ?tip without keyword", tip));
    EXPECT_FALSE(KeywordFiles::ParseCodeTip("", tip));
}

TEST_F(KeywordFilesTest, CodeTipTablesJoinFilesAndALaterDefinitionWins) {
    const std::string common = File("a.ct", "pos?pos <x>\r\nmes?mes <p1>\r\nnote line\r\n");
    const std::string project = File("b.ct", "pos?pos <x>,<y>\\project's own\r\n");
    const CodeTipTable table = KeywordFiles::ReadCodeTips({common, Missing(), project});
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at("mes").text, "mes p1");
    EXPECT_EQ(table.at("pos").text, "pos x,y\nproject's own");
    EXPECT_EQ(table.at("pos").ranges.size(), 2u);
}

}
