// HSP documents: the nine keyword sets reach the HSP lexer, and the user keywords come from the
// project's list only for a document of the open project.
#include <gtest/gtest.h>

#include <string>

#include "Scintilla.h"
#include "language/ConfiguredView.h"
#include "language/FileTypes.h"
#include "settings/LexerHsp.h"
#include "support/TestFiles.h"
#include "vessary/VessaryMessages.h"

namespace {

class ConfigureHspTest : public ConfiguredView {
protected:
    void SetUp() override {
        saved_ = TestFiles::Read(CommonKeywords());
        TestFiles::Write(CommonKeywords(), "GlobalWord\r\n");
        ConfiguredView::SetUp();
        view.SetLexer(FileTypes::Hsp);
        char name[64] = "";
        SendMessageA(view.GetHandle(), SCI_GETLEXERLANGUAGE, 0, reinterpret_cast<LPARAM>(name));
        if (!name[0])
            GTEST_SKIP() << "the component has no HSP lexer yet";
    }
    void TearDown() override { TestFiles::Write(CommonKeywords(), saved_); }
    static std::string CommonKeywords() { return TestFiles::ProgramFolder() + "lexer\\_common.kw"; }

private:
    std::string saved_;
};

TEST_F(ConfigureHspTest, EveryKeywordSetGivesItsStyle) {
    const std::string text =
        "#include \"a.as\"\r\n"
        "\tmes abs(1)\r\n"
        "\ta = hwnd + font_bold\r\n"
        "\tCreateWindowExA 0\r\n"
        "\thsc_ini \"x\"\r\n"
        "\tglobalword\r\n";
    Show(FileTypes::Hsp, text, false);
    EXPECT_EQ(view.GetLexer(), FileTypes::Hsp);
    EXPECT_EQ(StyleOf(text, "#include"), VSHSP_PREPROCESSOR);
    EXPECT_EQ(StyleOf(text, "mes"), VSHSP_COMMAND);
    EXPECT_EQ(StyleOf(text, "abs"), VSHSP_FUNCTION);
    EXPECT_EQ(StyleOf(text, "hwnd"), VSHSP_SYSVAR);
    EXPECT_EQ(StyleOf(text, "font_bold"), VSHSP_MACRO);
    EXPECT_EQ(StyleOf(text, "CreateWindowExA"), VSHSP_WIN32API);
    EXPECT_EQ(StyleOf(text, "hsc_ini"), VSHSP_PLUGIN);
    EXPECT_EQ(StyleOf(text, "globalword"), VSHSP_USER);
}

TEST_F(ConfigureHspTest, TheUserColourFollowsTheHspSection) {
    settings.Hsp().colors[LexerHsp::User] = Colors::Tomato;
    settings.Hsp().colors[LexerHsp::Command] = Colors::Lime;
    const std::string text = "\tmes globalword\r\n";
    Show(FileTypes::Hsp, text, false);
    EXPECT_EQ(view.StyleGetFore(StyleOf(text, "globalword")), Colors::Tomato);
    EXPECT_EQ(view.StyleGetFore(StyleOf(text, "mes")), Colors::Lime);
}

TEST_F(ConfigureHspTest, OnlyDocumentsOfTheProjectGetTheProjectsKeywords) {
    const std::string file = TestFiles::ProgramFolder() + "work\\project.kw";
    TestFiles::Write(file, "ProjectWord");
    ProjectKeywordFiles project;
    project.keywordFiles = {file};
    keywords.ReloadKeywords(&project);

    const std::string text = "\tprojectword\r\n\tglobalword\r\n";
    Show(FileTypes::Hsp, text, true);
    EXPECT_EQ(StyleOf(text, "projectword"), VSHSP_USER);
    EXPECT_EQ(StyleOf(text, "globalword"), VSHSP_USER);
    Show(FileTypes::Hsp, text, false);
    EXPECT_NE(StyleOf(text, "projectword"), VSHSP_USER);
    EXPECT_EQ(StyleOf(text, "globalword"), VSHSP_USER);
}

}
