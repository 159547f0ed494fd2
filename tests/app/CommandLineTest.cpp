#include <gtest/gtest.h>

#include "app/Tamborel.h"

TEST(CommandLine, QuotedPathsWithBlanksComeOutWholeAndInOrder) {
    const auto files = Tamborel::SplitCommandLine("\"C:\\my scripts\\b file.hsp\" \"C:\\日本語 フォルダ\\ソース.as\" c.txt");
    ASSERT_EQ(3u, files.size());
    EXPECT_EQ("C:\\my scripts\\b file.hsp", files[0]);
    EXPECT_EQ("C:\\日本語 フォルダ\\ソース.as", files[1]);
    EXPECT_EQ("c.txt", files[2]);
}

TEST(CommandLine, EmptyCommandLineNamesNoFile) {
    EXPECT_TRUE(Tamborel::SplitCommandLine("").empty());
    EXPECT_TRUE(Tamborel::SplitCommandLine(nullptr).empty());
}
