#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hsp/CompilerText.h"
#include "support/TestData.h"

TEST(CompilerText, MessageLinesNameTheirFileAndLine) {
    const std::vector<std::string> cases = TestData::Lines("MESSAGE_LOCATIONS");
    EXPECT_GT(cases.size(), 10u);
    for (const std::string &line : cases) {
        const std::vector<std::string> fields = TestData::Fields(line);
        CompilerText::Location location;
        const bool found = CompilerText::ParseLocation(fields[0].data(), fields[0].size(), location);
        EXPECT_EQ(fields[1] != "-", found) << line;
        if (found && fields.size() == 3) {
            EXPECT_EQ(fields[1], location.file) << line;
            EXPECT_EQ(fields[2], std::to_string(location.line)) << line;
        }
    }
}

// A name longer than the reserved-word list's first column keeps one space before its kind;
// edit controls get CR LF whatever the line ends were.
TEST(CompilerText, LongNamesKeepASpaceAndEveryLineEndBecomesCrLf) {
    EXPECT_EQ(std::string("abcdefghijklmnopqrstuvwxyz") + " kind\n", CompilerText::ExpandTabs("abcdefghijklmnopqrstuvwxyz\tkind\n"));
    EXPECT_EQ("a\r\nb\r\nc\r\nd", CompilerText::WithCrLf("a\nb\r\nc\rd"));
}
