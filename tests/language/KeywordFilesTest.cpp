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

// Lower-casing leaves double-byte characters whole: the trail byte of "ア" (0x83 0x41) is "A".
TEST_F(KeywordFilesTest, KeywordsAreFoldedToLowerCaseWithEachLineBreakOneBlank) {
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("a.kw", "MyFunc\r\nOtherWord")}), "myfunc otherword ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("b.kw", "One\r\n\r\nTwo\tThree\r\n")}), "one  two three  ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({File("c.kw", "; my keywords\r\nFirst\r\n  ;second\r\nソアXY")}), "first ソアxy ");
}

TEST_F(KeywordFilesTest, KeywordFilesFollowEachOtherAndEmptyOrMissingOnesAddNothing) {
    const std::string common = File("common.kw", "Alpha");
    const std::string empty = File("empty.kw", "");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({common, empty, Missing(), File("project.kw", "Beta\r\nGamma")}), "alpha beta gamma ");
    EXPECT_EQ(KeywordFiles::ReadKeywordList({common, empty}), KeywordFiles::ReadKeywordList({common}));
    EXPECT_EQ(KeywordFiles::ReadKeywordList({empty, Missing(), File("d.kw", "; only a note\r\n")}), "");
}

TEST_F(KeywordFilesTest, CompletionListIsSortedUniqueWithUpperCaseFirst) {
    const std::string first = File("a.cc", "zeta alpha\r\nzeta 表示");
    const std::string second = File("b.cc", "Alpha\tzeta\r\n表示");
    EXPECT_EQ(KeywordFiles::ReadCompletionList({first, second}), "Alpha alpha zeta 表示");
    EXPECT_EQ(KeywordFiles::ReadCompletionList({File("c.cc", " \r\n\t"), Missing()}), "");
}

TEST(CodeTip, ArgumentRangesComeFromAngleBracketsAndABackslashStartsANewLine) {
    CodeTip tip;
    ASSERT_TRUE(KeywordFiles::ParseCodeTip("pos?pos <p1>,<p2>", tip));
    EXPECT_EQ(tip.keyword, "pos");
    EXPECT_EQ(tip.text, "pos p1,p2");
    EXPECT_EQ(tip.ranges, (std::vector<std::pair<int, int>>{{4, 6}, {7, 9}}));
    // Not the 0x5C inside a double-byte character ("表" is 0x95 0x5C).
    ASSERT_TRUE(KeywordFiles::ParseCodeTip("  mes ?mes <\"表示\">\\print a message", tip));
    EXPECT_EQ(tip.keyword, "mes");
    EXPECT_EQ(tip.text, "mes \"表示\"\nprint a message");
    EXPECT_EQ(tip.ranges, (std::vector<std::pair<int, int>>{{4, 10}}));
    for (const char *line : {"pos p1,p2", "; 注釈？全角の疑問符", "   ?tip without keyword", ""})
        EXPECT_FALSE(KeywordFiles::ParseCodeTip(line, tip)) << line;
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
