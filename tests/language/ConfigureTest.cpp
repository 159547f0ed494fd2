// Configuring a view for a language: the colour a user sees on a piece of text of each language,
// taken from that language's section.
#include <gtest/gtest.h>

#include <string>

#include "Scintilla.h"
#include "language/ConfiguredView.h"
#include "language/FileTypes.h"
#include "settings/LexerCommon.h"
#include "settings/LexerLanguage.h"
#include "support/TestFiles.h"

namespace {

using ConfigureTest = ConfiguredView;

TEST_F(ConfigureTest, TheCppSectionColoursLineAndBlockCommentsApart) {
    const std::string file = TestFiles::ProgramFolder() + "lexer\\cpp.xml";
    TestFiles::Write(file,
                     "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<body><style>"
                     "<type id=\"comment_line\"><property id=\"font_color\">255</property></type>"
                     "<type id=\"comment_block\"><property id=\"font_color\">16711680</property></type>"
                     "</style><event /></body>\r\n");
    const std::string text = "int a; // line\r\n/* block */\r\n/** doc */\r\n";
    EXPECT_EQ(ColourOf(FileTypes::Cpp, text, "// line"), Colors::Red);
    EXPECT_EQ(ColourOf(FileTypes::Cpp, text, "/* block"), Colors::Blue);
    EXPECT_EQ(ColourOf(FileTypes::Cpp, text, "/** doc"), Colors::Blue);
    DeleteFileA(file.c_str());
}

// A colour outside the table shows as AliceBlue.
TEST_F(ConfigureTest, EachLanguageColoursItsTextFromItsOwnSection) {
    const struct {
        int lexer;
        const char *text, *what;
        COLORREF expected;
    } cases[] = {
        {FileTypes::Html, "<html><body bgcolor=\"red\">&amp;</body></html>", "body", settings.Html().colors[LexerHtml::Tag]},
        {FileTypes::Html, "<p class=\"x\">", "\"x\"", settings.Html().colors[LexerHtml::DoubleString]},
        {FileTypes::Html, "<p>&amp;</p>", "&amp;", settings.Html().colors[LexerHtml::Entity]},
        {FileTypes::Xml, "<a b=\"c\"/>", "b=", settings.Xml().colors[LexerXml::Attribute]},
        {FileTypes::Xml, "<a><!-- c --></a>", "<!--", settings.Xml().colors[LexerXml::Comment]},
        {FileTypes::Sql, "select a from b -- c", "-- c", settings.Sql().colors[LexerSql::Comment]},
        {FileTypes::Sql, "select a from b", "from", settings.Sql().colors[LexerSql::Keyword]},
        {FileTypes::VisualBasic, "Dim a ' c", "' c", settings.Vb6().colors[LexerVb6::Comment]},
        {FileTypes::VisualBasic, "Dim a As Integer", "Integer", settings.Vb6().colors[LexerVb6::Keyword]},
        {FileTypes::Ini, "[s]\r\nk=v", "[s]", settings.Ini().colors[LexerIni::Section]},
        {FileTypes::Ini, "; c\r\nk=v", "k=", settings.Ini().colors[LexerIni::Key]},
        {FileTypes::Csv, "a,b,c", "b", settings.Csv().colors[LexerCsv::Even]},
        {FileTypes::Csv, "a,b,c", ",", settings.Csv().colors[LexerCsv::Separator]},
        {FileTypes::Tsv, "a\tb\tc", "b", settings.Tsv().colors[LexerTsv::Even]},
        {FileTypes::Tsv, "a\tb\tc", "c", settings.Tsv().colors[LexerTsv::Odd]},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ColourOf(c.lexer, c.text, c.what), colors.Lookup(c.expected)) << c.lexer << " " << c.what;
        EXPECT_EQ(view.GetLexer(), c.lexer);
    }
    settings.Sql().colors[LexerSql::Keyword] = 0x123457;
    EXPECT_EQ(ColourOf(FileTypes::Sql, "select a from b", "select"), Colors::AliceBlue);
}

TEST_F(ConfigureTest, ProjectFilesAreColouredAsIni) {
    settings.Ini().colors[LexerIni::Section] = Colors::Teal;
    settings.Ini().colors[LexerIni::Value] = Colors::Tomato;
    const std::string text = "[project]\r\nname=demo\r\n";
    EXPECT_EQ(ColourOf(FileTypes::Project, text, "[project]"), Colors::Teal);
    EXPECT_EQ(ColourOf(FileTypes::Project, text, "demo"), Colors::Tomato);
    EXPECT_EQ(view.GetLexer(), FileTypes::Project);
}

TEST_F(ConfigureTest, ALanguageWithoutABlockShowsEverythingInTheDefaultColours) {
    settings.Common().fontColor = Colors::Silver;
    const std::string text = "int a; // line\r\n";
    EXPECT_NE(ColourOf(FileTypes::Cpp, text, "//"), Colors::Silver);
    for (const int lexer : {static_cast<int>(FileTypes::PlainText), 315, 318, 999}) {
        EXPECT_EQ(ColourOf(lexer, text, "//"), Colors::Silver) << lexer;
        EXPECT_EQ(ColourOf(lexer, text, "int"), Colors::Silver) << lexer;
    }
}

TEST_F(ConfigureTest, EditorSettingsComeLastAndWinOverTheLanguage) {
    settings.Common().sideRulerWidth = 33;
    settings.Common().overCarretOpacity = 100;
    ColourOf(FileTypes::Csv, "a,b", "a");
    EXPECT_EQ(SendMessageA(view.GetHandle(), SCI_GETMARGINWIDTHN, 2, 0), 33);
    EXPECT_EQ(SendMessageA(view.GetHandle(), SCI_GETCARETLINEBACKALPHA, 0, 0), 255);
}

TEST_F(ConfigureTest, AnalysisViewsUseTheHspLexerWithShiftJis) {
    Vessary analysis;
    ASSERT_TRUE(analysis.Create(host.Handle(), -1, nullptr));
    ConfigureForAnalysis(analysis);
    EXPECT_EQ(analysis.GetLexer(), FileTypes::Hsp);
    EXPECT_EQ(SendMessageA(analysis.GetHandle(), SCI_GETCODEPAGE, 0, 0), 932);
}

}
