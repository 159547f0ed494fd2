// The keyword tables of a run: built once by the first view, rebuilt on demand, and the lists
// and files the program carries.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Scintilla.h"
#include "editor/Vessary.h"
#include "language/FixedKeywords.h"
#include "language/GeneratedKeywords.h"
#include "language/KeywordTables.h"
#include "support/EditControl.h"
#include "support/HostWindow.h"
#include "support/TestFiles.h"
#include "vessary/VessaryMessages.h"

namespace {

std::vector<std::string> Words(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool IsLowerIdentifier(const std::string &word) {
    for (const char c : word) {
        if (!(std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    }
    return !word.empty();
}

// Replaces the program folder's lexer\_common.* files for one test and puts them back after.
class KeywordTablesTest : public testing::Test {
protected:
    void SetUp() override {
        EditControl::Library();
        for (const char *name : names_)
            saved_.push_back(TestFiles::Read(Common(name)));
    }
    void TearDown() override {
        for (size_t i = 0; i < saved_.size(); ++i)
            TestFiles::Write(Common(names_[i]), saved_[i]);
    }

    static std::string Common(const char *name) { return TestFiles::ProgramFolder() + "lexer\\" + name; }
    void WriteCommon(const std::string &kw, const std::string &cc, const std::string &ct) {
        TestFiles::Write(Common("_common.kw"), kw);
        TestFiles::Write(Common("_common.cc"), cc);
        TestFiles::Write(Common("_common.ct"), ct);
    }
    std::string ProjectFile(const char *name, const std::string &bytes) {
        const std::string path = TestFiles::ProgramFolder() + "work\\" + name;
        TestFiles::Write(path, bytes);
        return path;
    }

    HostWindow host;

private:
    const char *names_[3] = {"_common.kw", "_common.cc", "_common.ct"};
    std::vector<std::string> saved_;
};

TEST_F(KeywordTablesTest, TheFirstViewBuildsEveryListAndASecondViewBuildsNone) {
    WriteCommon("Alpha\r\n", "zeta Alpha alpha", "pos?pos <p1>,<p2>\r\n");
    KeywordTables tables;
    Vessary first;
    ASSERT_TRUE(tables.PrepareKeywords(first, host.Handle(), 0, nullptr));
    EXPECT_EQ(tables.UserKeywords(false), "alpha  ");
    EXPECT_EQ(tables.UserKeywords(true), "alpha  ");
    EXPECT_EQ(tables.CompletionList(false), "Alpha alpha zeta");
    ASSERT_EQ(tables.CodeTips(false).count("pos"), 1u);
    EXPECT_EQ(tables.CodeTips(false).at("pos").ranges.size(), 2u);
    EXPECT_FALSE(tables.Win32Api().empty());
    EXPECT_FALSE(tables.Plugins().empty());

    WriteCommon("Changed", "changed", "mes?mes <p1>");
    const std::string win32 = tables.Win32Api();
    Vessary second;
    ASSERT_TRUE(tables.PrepareKeywords(second, host.Handle(), 1, nullptr));
    EXPECT_EQ(tables.ViewsPrepared(), 2);
    EXPECT_EQ(second.Index(), 1);
    EXPECT_EQ(tables.UserKeywords(false), "alpha  ");
    EXPECT_EQ(tables.CompletionList(false), "Alpha alpha zeta");
    EXPECT_EQ(tables.CodeTips(false).count("mes"), 0u);
    EXPECT_EQ(tables.Win32Api(), win32);
}

TEST_F(KeywordTablesTest, RebuildKeepsExistingListsUnlessForced) {
    WriteCommon("Common", "", "");
    KeywordTables tables;
    Vessary view;
    tables.PrepareKeywords(view, host.Handle(), 0, nullptr);
    ProjectKeywordFiles project;
    project.keywordFiles = {ProjectFile("p.kw", "ProjectWord")};

    tables.RebuildUserKeywords(false, &project);
    EXPECT_EQ(tables.UserKeywords(true), "common ");
    tables.RebuildUserKeywords(true, &project);
    EXPECT_EQ(tables.UserKeywords(false), "common ");
    EXPECT_EQ(tables.UserKeywords(true), "common projectword ");
    tables.RebuildUserKeywords(true, nullptr);
    EXPECT_EQ(tables.UserKeywords(true), "common ");
}

TEST_F(KeywordTablesTest, AnEmptyProjectKeywordFileAddsNothing) {
    WriteCommon("Common", "", "");
    KeywordTables tables;
    ProjectKeywordFiles project;
    project.keywordFiles = {ProjectFile("empty.kw", ""), TestFiles::ProgramFolder() + "work\\missing.kw"};
    tables.RebuildUserKeywords(true, &project);
    EXPECT_EQ(tables.UserKeywords(true), tables.UserKeywords(false));
}

TEST_F(KeywordTablesTest, ReloadRebuildsUserCompletionAndCodeTipDataFromTheProjectFiles) {
    WriteCommon("Common", "common", "pos?pos <x>");
    KeywordTables tables;
    Vessary view;
    tables.PrepareKeywords(view, host.Handle(), 0, nullptr);
    WriteCommon("Common2", "common2", "pos?pos <x>,<y>");
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

TEST(Win32ApiList, HoldsEachLibrarysExportsInLowerCaseWithAAndWVariants) {
    const char *const expected[][2] = {
        {"advapi32", "regopenkeyexa"}, {"comctl32", "initcommoncontrolsex"}, {"comdlg32", "getopenfilenamew"},
        {"gdi32", "textouta"}, {"kernel32", "createfilew"}, {"ole32", "cocreateinstance"},
        {"shell32", "shellexecutea"}, {"user32", "messageboxw"}, {"winmm", "timegettime"}};
    ASSERT_EQ(Win32ApiKeywords::libraryCount, 9);
    for (int i = 0; i < Win32ApiKeywords::libraryCount; ++i) {
        const KeywordGroup &library = Win32ApiKeywords::libraries[i];
        EXPECT_STREQ(library.name, expected[i][0]);
        const std::vector<std::string> words = Words(library.text);
        EXPECT_EQ(static_cast<int>(words.size()), library.words) << library.name;
        EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size()) << library.name;
        for (const std::string &word : words)
            EXPECT_TRUE(IsLowerIdentifier(word)) << library.name << ": " << word;
        EXPECT_NE((std::string(" ") + library.text).find(std::string(" ") + expected[i][1] + " "), std::string::npos)
            << library.name;
        EXPECT_EQ(std::string(library.text).back(), ' ');
    }
    const std::string user32 = std::string(" ") + Win32ApiKeywords::libraries[7].text;
    EXPECT_NE(user32.find(" createwindowexa "), std::string::npos);
    EXPECT_NE(user32.find(" createwindowexw "), std::string::npos);
}

TEST(PluginList, ThirteenGroupsOfLowerCaseNamesInTheirOrder) {
    ASSERT_EQ(PluginKeywords::groupCount, 13);
    std::set<std::string> all;
    size_t total = 0;
    for (int i = 0; i < PluginKeywords::groupCount; ++i) {
        const KeywordGroup &group = PluginKeywords::groups[i];
        const std::vector<std::string> words = Words(group.text);
        EXPECT_EQ(static_cast<int>(words.size()), group.words) << group.name;
        for (const std::string &word : words)
            EXPECT_TRUE(IsLowerIdentifier(word)) << group.name << ": " << word;
        all.insert(words.begin(), words.end());
        total += words.size();
    }
    EXPECT_EQ(all.size(), total);
    EXPECT_NE(std::string(PluginKeywords::groups[1].text).find("hsc_ini "), std::string::npos);
    EXPECT_NE(std::string(PluginKeywords::groups[11].text).find("hspexec "), std::string::npos);
}

TEST(FixedLists, EveryListButCppEndsWithABlankAndAllAreLowerCase) {
    const char *const lists[] = {FixedKeywords::html, FixedKeywords::sql, FixedKeywords::vb6,
                                 FixedKeywords::hspFunctions, FixedKeywords::hspCommands, FixedKeywords::hspMacros,
                                 FixedKeywords::hspDirectives, FixedKeywords::hspSystemVariables,
                                 FixedKeywords::hspReservedWords};
    for (const char *list : lists) {
        EXPECT_EQ(std::string(list).back(), ' ');
        EXPECT_EQ(std::string(list).find("  "), std::string::npos);
        for (const std::string &word : Words(list))
            EXPECT_EQ(word.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << word;
    }
    EXPECT_NE(std::string(FixedKeywords::cpp).back(), ' ');
    for (const std::string &word : Words(FixedKeywords::hspDirectives))
        EXPECT_EQ(word[0], '#') << word;
}

TEST(FixedLists, TheCppListColoursItsKeywords) {
    const int keyword = 5, identifier = 11;
    EditControl edit;
    edit.Send(SCI_SETLEXER, 3);
    edit.Send(SCI_SETKEYWORDS, 0, FixedKeywords::cpp);
    const std::string words[] = {"break", "case", "continue", "default", "for", "friend", "not_eq", "operator",
                                 "public", "register", "switch", "template", "using", "virtual"};
    std::string text;
    for (const std::string &word : words)
        text += word + " x;\r\n";
    edit.SetText(text);
    edit.Colourise();
    for (const std::string &word : words)
        EXPECT_EQ(edit.StyleAt(static_cast<int>(text.find(word + " x;"))), keyword) << word;
    EXPECT_EQ(edit.StyleAt(static_cast<int>(text.find("x;"))), identifier);
}

// The keyword files shipped in lexer\.
TEST(ShippedFiles, CompletionOffersEveryWordOfTheFixedHspLists) {
    const std::string path = TestFiles::DistDirectory() + "lexer\\_common.cc";
    const std::vector<std::string> offered = Words(KeywordFiles::ReadCompletionList({path}));
    const std::set<std::string> set(offered.begin(), offered.end());
    for (const char *list : {FixedKeywords::hspFunctions, FixedKeywords::hspCommands, FixedKeywords::hspMacros,
                             FixedKeywords::hspDirectives, FixedKeywords::hspSystemVariables,
                             FixedKeywords::hspReservedWords}) {
        for (const std::string &word : Words(list))
            EXPECT_EQ(set.count(word), 1u) << word;
    }
}

TEST(ShippedFiles, EveryCodeTipLineGivesATipWithItsArguments) {
    const std::string path = TestFiles::DistDirectory() + "lexer\\_common.ct";
    const std::string bytes = TestFiles::Read(path);
    size_t tipLines = 0;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);)
        tipLines += !line.empty() && line[0] != ';';
    const CodeTipTable tips = KeywordFiles::ReadCodeTips({path});
    EXPECT_GT(tipLines, 200u);
    EXPECT_EQ(tips.size(), tipLines);
    for (const auto &entry : tips) {
        EXPECT_EQ(entry.second.text.find_first_of("<>\\\r"), std::string::npos) << entry.first;
        EXPECT_NE(entry.second.text.find('\n'), std::string::npos) << entry.first;
    }
    EXPECT_EQ(tips.at("pos").ranges.size(), 2u);
    EXPECT_EQ(tips.at("mes").ranges.size(), 2u);
}

TEST(ShippedFiles, TheUserKeywordExampleIsAllComments) {
    const std::string path = TestFiles::DistDirectory() + "lexer\\_common.kw";
    ASSERT_FALSE(TestFiles::Read(path).empty());
    EXPECT_EQ(KeywordFiles::ReadKeywordList({path}), "");
}

}
