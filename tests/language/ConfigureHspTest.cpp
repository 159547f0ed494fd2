// HSP documents: the nine keyword sets reach the HSP lexer, and the user keywords come from the
// project's list only for a document of the open project.
#include <gtest/gtest.h>

#include <string>

#include "language/ConfiguredView.h"
#include "language/FileTypes.h"
#include "settings/LexerHsp.h"
#include "vessary/VessaryMessages.h"

namespace {

class ConfigureHspTest : public ConfiguredView {
protected:
    void SetUp() override {
        common.Write("GlobalWord\r\n");
        ConfiguredView::SetUp();
    }
};

TEST_F(ConfigureHspTest, EveryKeywordSetGivesItsStyleInTheHspSectionsColour) {
    settings.Hsp().colors[LexerHsp::User] = Colors::Tomato;
    const std::string text = "#include \"a.as\"\r\n\tmes abs(1)\r\n\ta = hwnd + font_bold\r\n\tCreateWindowExA 0\r\n"
                             "\thsc_ini \"x\"\r\n\tglobalword\r\n";
    Show(FileTypes::Hsp, text, false);
    EXPECT_EQ(view.GetLexer(), FileTypes::Hsp);
    const struct {
        const char *what;
        int style;
    } pieces[] = {{"#include", VSHSP_PREPROCESSOR}, {"mes", VSHSP_COMMAND}, {"abs", VSHSP_FUNCTION}, {"hwnd", VSHSP_SYSVAR},
                  {"font_bold", VSHSP_MACRO}, {"CreateWindowExA", VSHSP_WIN32API}, {"hsc_ini", VSHSP_PLUGIN}, {"globalword", VSHSP_USER}};
    for (const auto &piece : pieces)
        EXPECT_EQ(StyleOf(text, piece.what), piece.style) << piece.what;
    EXPECT_EQ(view.StyleGetFore(VSHSP_USER), Colors::Tomato);
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
