// The keyword tables of a run: built once by the first view, rebuilt on demand; and the keyword
// files the program carries.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "language/ConfiguredView.h"
#include "language/FixedKeywords.h"

namespace {

std::vector<std::string> Words(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

class KeywordTablesTest : public testing::Test {
protected:
    void SetUp() override { EditControl::Library(); }
    std::string ProjectFile(const char *name, const std::string &bytes) {
        const std::string path = TestFiles::ProgramFolder() + "work\\" + name;
        TestFiles::Write(path, bytes);
        return path;
    }

    CommonKeywordFiles common;
    HostWindow host;
    KeywordTables tables;
};

TEST_F(KeywordTablesTest, TheFirstViewBuildsEveryListAndASecondViewBuildsNone) {
    common.Write("Alpha\r\n", "zeta Alpha alpha", "pos?pos <p1>,<p2>\r\n");
    Vessary first, second;
    ASSERT_TRUE(tables.PrepareKeywords(first, host.Handle(), 0, nullptr));
    EXPECT_EQ(tables.UserKeywords(false), "alpha  ");
    EXPECT_EQ(tables.UserKeywords(true), "alpha  ");
    EXPECT_EQ(tables.CompletionList(false), "Alpha alpha zeta");
    EXPECT_EQ(tables.CodeTips(false).at("pos").ranges.size(), 2u);
    const std::string win32 = tables.Win32Api();
    EXPECT_NE(win32.find("createwindowexa "), std::string::npos);

    common.Write("Changed", "changed", "mes?mes <p1>");
    ASSERT_TRUE(tables.PrepareKeywords(second, host.Handle(), 1, nullptr));
    EXPECT_EQ(tables.ViewsPrepared(), 2);
    EXPECT_EQ(tables.UserKeywords(false), "alpha  ");
    EXPECT_EQ(tables.CompletionList(false), "Alpha alpha zeta");
    EXPECT_EQ(tables.CodeTips(false).count("mes"), 0u);
    EXPECT_EQ(tables.Win32Api(), win32);
}

TEST_F(KeywordTablesTest, RebuildKeepsExistingListsUnlessForcedAndAnEmptyProjectFileAddsNothing) {
    common.Write("Common");
    ProjectKeywordFiles project;
    project.keywordFiles = {ProjectFile("p.kw", "ProjectWord"), ProjectFile("empty.kw", ""), TestFiles::ProgramFolder() + "work\\missing.kw"};
    tables.RebuildUserKeywords(false, nullptr);
    tables.RebuildUserKeywords(false, &project);
    EXPECT_EQ(tables.UserKeywords(true), "common ");
    tables.RebuildUserKeywords(true, &project);
    EXPECT_EQ(tables.UserKeywords(false), "common ");
    EXPECT_EQ(tables.UserKeywords(true), "common projectword ");
    project.keywordFiles.erase(project.keywordFiles.begin());
    tables.RebuildUserKeywords(true, &project);
    EXPECT_EQ(tables.UserKeywords(true), "common ");
}

TEST_F(KeywordTablesTest, ReloadRebuildsUserCompletionAndCodeTipDataFromTheProjectFiles) {
    common.Write("Common", "common", "pos?pos <x>");
    Vessary view;
    tables.PrepareKeywords(view, host.Handle(), 0, nullptr);
    common.Write("Common2", "common2", "pos?pos <x>,<y>");
    ProjectKeywordFiles project;
    project.keywordFiles = {ProjectFile("p.kw", "Mine")};
    project.completionFiles = {ProjectFile("p.cc", "mine Common")};
    project.codeTipFiles = {ProjectFile("p.ct", "mine?mine <a>\\my own")};
    tables.ReloadKeywords(&project);
    EXPECT_EQ(tables.UserKeywords(false), "common2 ");
    EXPECT_EQ(tables.UserKeywords(true), "common2 mine ");
    EXPECT_EQ(tables.CompletionList(false), "common2");
    EXPECT_EQ(tables.CompletionList(true), "Common common2 mine");
    EXPECT_EQ(tables.CodeTips(false).count("mine"), 0u);
    EXPECT_EQ(tables.CodeTips(true).at("mine").text, "mine a\nmy own");
    EXPECT_EQ(tables.CodeTips(true).at("pos").ranges.size(), 2u);
}

// The keyword files shipped in lexer\.
TEST(ShippedFiles, CompletionOffersTheFixedHspWordsAndEveryCodeTipLineGivesATip) {
    const std::string lexer = TestFiles::DistDirectory() + "lexer\\";
    const std::vector<std::string> offered = Words(KeywordFiles::ReadCompletionList({lexer + "_common.cc"}));
    const std::set<std::string> set(offered.begin(), offered.end());
    for (const char *list : {FixedKeywords::hspFunctions, FixedKeywords::hspCommands, FixedKeywords::hspMacros,
                             FixedKeywords::hspDirectives, FixedKeywords::hspSystemVariables, FixedKeywords::hspReservedWords}) {
        for (const std::string &word : Words(list))
            EXPECT_EQ(set.count(word), 1u) << word;
    }

    size_t tipLines = 0;
    std::istringstream lines(TestFiles::Read(lexer + "_common.ct"));
    for (std::string line; std::getline(lines, line);)
        tipLines += !line.empty() && line[0] != ';';
    const CodeTipTable tips = KeywordFiles::ReadCodeTips({lexer + "_common.ct"});
    EXPECT_GT(tipLines, 200u);
    EXPECT_EQ(tips.size(), tipLines);
    // Each tip is the call form, a line break, then a Japanese description. Some descriptions
    // hold a character whose second byte is a backslash (ソ, 表): it must stay one character.
    size_t trailBackslashes = 0;
    for (const auto &entry : tips) {
        const std::string &text = entry.second.text;
        EXPECT_EQ(text.find_first_of("<>\r"), std::string::npos) << entry.first;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << entry.first;
        EXPECT_NE(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.c_str(), -1, nullptr, 0), 0) << entry.first;
        trailBackslashes += text.find('\\') != std::string::npos;
    }
    EXPECT_GT(trailBackslashes, 0u);
    EXPECT_EQ(tips.at("mes").text, "mes \"strings\",sw\n現在位置にメッセージを表示する");
    EXPECT_EQ(tips.at("mes").ranges.size(), 2u);

    // The user keyword example is all comments.
    ASSERT_FALSE(TestFiles::Read(lexer + "_common.kw").empty());
    EXPECT_EQ(KeywordFiles::ReadKeywordList({lexer + "_common.kw"}), "");
}

}
