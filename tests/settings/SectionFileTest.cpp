#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/KernelHandle.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedDesktop.h"
#include "SettingsFolder.h"

namespace {

size_t Count(const std::string &text, const std::string &what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class SectionFile : public SettingsFolder {
protected:
    SystemFont fonts_{std::vector<SystemFontData>{{"IPAゴシック", {8, 9, 10, 11, 12}}}};
};

TEST_F(SectionFile, AMissingFileIsCopiedFromItsTemplateWhoseValuesApply) {
    Setting setting(fonts_);
    EXPECT_EQ(12, setting.Common().fontSize);
    EXPECT_EQ(200, setting.Common().initialSubviewSizeX);
    setting.Cpp();
    EXPECT_EQ(Read("template\\lexer.xml"), Read("lexer\\cpp.xml"));
    EXPECT_EQ(Read("template\\_common.xml"), Read("lexer\\_common.xml"));
    EXPECT_FALSE(TestFiles::Exists(Path("lexer\\sql.xml")));
}

TEST_F(SectionFile, WithoutTemplatesEveryFieldTakesItsDefaultAndASaveWritesThemAll) {
    DeleteFileA(Path("template\\lexer.xml").c_str());
    Write("template\\_common.xml", "<body><style>broken");
    {
        Setting setting(fonts_);
        EXPECT_EQ(Colors::CadetBlue, setting.Hsp().colors[LexerHsp::String]);
        EXPECT_EQ(640, setting.Hsp().buildWindowSizeX);
        // 0, snapped to the face's smallest size.
        EXPECT_EQ(8, setting.Common().fontSize);
        EXPECT_FALSE(TestFiles::Exists(Path("lexer\\hsp.xml")));
        EXPECT_FALSE(TestFiles::Exists(Path("lexer\\_common.xml")));
        setting.Hsp().SetModified();
    }
    const std::string bytes = Read("lexer\\hsp.xml");
    EXPECT_NE(std::string::npos, bytes.find("<property id=\"initial_window_size_x\">640</property>"));
    EXPECT_NE(std::string::npos, bytes.find("<type id=\"hpi\">"));
}

// Of two properties with one id the first is read and written.
TEST_F(SectionFile, SavingKeepsWhatTheProgramDoesNotKnowAndAddsMissingKeys) {
    Write("lexer\\cpp.xml", "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n<!-- the user's note -->\r\n"
                            "<body><style><custom id=\"mine\">keep</custom>"
                            "<type id=\"keyword\"><property id=\"font_color\">255</property>"
                            "<property id=\"font_color\">second</property><property id=\"bold\">yes</property></type>"
                            "</style><event><plugin a=\"1\"/></event></body>");
    LexerCpp cpp;
    cpp.Load();
    EXPECT_EQ(255u, cpp.colors[LexerCpp::Keyword]);
    EXPECT_EQ(Colors::DarkOliveGreen, cpp.colors[LexerCpp::CommentLine]);
    cpp.colors[LexerCpp::Keyword] = Colors::Blue;
    cpp.colors[LexerCpp::CommentLine] = Colors::Red;
    cpp.SetModified();
    ASSERT_TRUE(cpp.Save());
    EXPECT_FALSE(cpp.modified);

    const std::string bytes = Read("lexer\\cpp.xml");
    for (const char *kept : {"<!-- the user's note -->", "<custom id=\"mine\">keep</custom>", "<plugin a=\"1\" />",
                             "<property id=\"bold\">yes</property>", "<property id=\"font_color\">16711680</property>",
                             "<property id=\"font_color\">second</property>",
                             "<type id=\"comment_line\">\r\n            <property id=\"font_color\">255</property>"})
        EXPECT_NE(std::string::npos, bytes.find(kept)) << kept;
    // Keys the file lacked come after what was there, in the table's order.
    EXPECT_LT(bytes.find("\"comment_block\""), bytes.find("\"number\""));
    EXPECT_LT(bytes.find("\"preprocessor\""), bytes.find("\"operator\""));
    LexerCpp again;
    again.Load();
    EXPECT_EQ(Colors::Blue, again.colors[LexerCpp::Keyword]);
    EXPECT_EQ(Colors::Red, again.colors[LexerCpp::CommentLine]);
}

// A UTF-8 declaration must not make the reader decode Shift-JIS: 0xEA ("熙") starts a
// three-byte UTF-8 sequence and would swallow the '<' after it. Runs of blanks, and blanks at
// either end, survive a round trip; a file's own text is trimmed.
TEST_F(SectionFile, ShiftJisTextPassesThroughUntouched) {
    const std::string japanese = "C:\\ソフト\\表示\\熙";
    Write("lexer\\hsp.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<body><style/><event>" +
                                Property("open", "home_directory", japanese) +
                                Property("debug", "commandline", "-a  \"能 予\"  ") + "</event></body>");
    LexerHsp hsp;
    hsp.Load();
    EXPECT_STREQ(japanese.c_str(), hsp.homeDirectory);
    EXPECT_STREQ("-a \"能 予\"", hsp.debugCommandline);
    lstrcpyA(hsp.debugCommandline, "  -a  \"能 予\"  ");
    hsp.SetModified();
    ASSERT_TRUE(hsp.Save());
    EXPECT_NE(std::string::npos, Read("lexer\\hsp.xml").find(">" + japanese + "<"));
    LexerHsp again;
    again.Load();
    EXPECT_STREQ(japanese.c_str(), again.homeDirectory);
    EXPECT_STREQ("  -a  \"能 予\"  ", again.debugCommandline);
}

// Changed or not, a broken file is never overwritten unseen; a second one does not replace the
// first kept aside.
TEST_F(SectionFile, ABrokenFileIsKeptAsideBeforeANewOneIsWritten) {
    const std::string broken = "<body><style><type id=\"keyword\"><property id=\"font_color\">255</property>";
    Write("lexer\\cpp.xml", broken);
    LexerCpp cpp;
    cpp.Load();
    EXPECT_EQ(Colors::Red, cpp.colors[LexerCpp::Keyword]);
    EXPECT_NE(std::string::npos, Log().find("(w) - couldn't read setting file"));
    EXPECT_TRUE(cpp.Save());
    EXPECT_EQ(broken, Read("lexer\\cpp.xml"));
    cpp.colors[LexerCpp::Keyword] = Colors::Blue;
    cpp.SetModified();
    ASSERT_TRUE(cpp.Save());
    EXPECT_EQ(broken, Read("lexer\\cpp.xml.broken"));
    EXPECT_NE(std::string::npos, Log().find("kept aside. [" + Path("lexer\\cpp.xml.broken") + "]"));
    cpp.Load(true);
    EXPECT_EQ(Colors::Blue, cpp.colors[LexerCpp::Keyword]);

    Write("lexer\\cpp.xml", "<<<");
    cpp.Load(true);
    cpp.SetModified();
    ASSERT_TRUE(cpp.Save());
    EXPECT_EQ(broken, Read("lexer\\cpp.xml.broken"));
    EXPECT_EQ("<<<", Read("lexer\\cpp.xml.broken2"));
}

TEST_F(SectionFile, DeepNestingIsABrokenFile) {
    // Stray end tags first must not buy room for deeper nesting: the parser would overflow its stack.
    for (int stray : {0, 200000}) {
        std::string deep = "<body><style>";
        for (int i = 0; i < stray; ++i)
            deep += "</a>";
        for (int i = 0; i < 200000; ++i)
            deep += "<a>";
        Write("lexer\\ini.xml", deep);
        DeleteFileA(Path("lexer\\ini.xml.broken").c_str());
        LexerIni ini;
        ini.Load();
        EXPECT_EQ(Colors::Red, ini.colors[LexerIni::Section]);
        ini.SetModified();
        ASSERT_TRUE(ini.Save());
        EXPECT_EQ(deep, Read("lexer\\ini.xml.broken"));
    }
}

// A failed save leaves the old file whole, logs, and keeps the section modified for a later try.
TEST_F(SectionFile, SafeWritesLeaveTheOldFileWhole) {
    ASSERT_TRUE(CreateDirectoryA(Path("lexer\\tsv.xml").c_str(), nullptr));
    Write("lexer\\tsv.xml\\inside.txt", "mine");
    LexerTsv tsv;
    tsv.Load();
    EXPECT_EQ(Colors::LightGreen, tsv.colors[LexerTsv::Odd]);
    tsv.SetModified();
    EXPECT_FALSE(tsv.Save());
    EXPECT_EQ("mine", Read("lexer\\tsv.xml\\inside.txt"));
    EXPECT_NE(std::string::npos, Log().find("couldn't save setting file. [" + Path("lexer\\tsv.xml") + "]"));

    const std::string original = SectionXml(Property("odd", "font_color", "255"));
    Write("lexer\\csv.xml", original);
    LexerCsv csv;
    csv.Load();
    csv.colors[LexerCsv::Odd] = Colors::Lime;
    csv.SetModified();
    {
        // Another program reading the file without letting it be replaced.
        KernelHandle reader(CreateFileA(Path("lexer\\csv.xml").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.Valid());
        EXPECT_FALSE(csv.Save());
        EXPECT_TRUE(csv.modified);
    }
    EXPECT_EQ(original, Read("lexer\\csv.xml"));
    // Ours are tmb*.tmp (Wine's own replace may leave an empty rf*.tmp of its own).
    EXPECT_EQ(0u, TestFiles::Count(Path("lexer\\tmb*.tmp")));
    EXPECT_TRUE(csv.Save());
    EXPECT_NE(std::string::npos, Read("lexer\\csv.xml").find(std::to_string(Colors::Lime)));
}

// Every fault a save can meet: the file stays as it was and the log says so; when the original
// may be gone, the new text is left in a temporary file and the user is told where.
TEST_F(SectionFile, ASettingWriteFailingAtAnyStepKeepsTheFileAndSaysSo) {
    const std::string original = SectionXml(Property("odd", "font_color", "255"));
    Write("lexer\\csv.xml", original);
    LexerCsv csv;
    csv.Load();
    csv.colors[LexerCsv::Odd] = Colors::Lime;
    csv.SetModified();
    ASSERT_TRUE(csv.Save());
    const std::string newText = Read("lexer\\csv.xml");
    for (const FaultyFileSystem::Fault &fault : FaultyFileSystem::Faults()) {
        SCOPED_TRACE(fault.name);
        Write("lexer\\csv.xml", original);
        ScriptedDesktop desktop;
        csv.SetModified();
        {
            FaultyFileSystem files(fault.step, newText.size() / 2);
            EXPECT_FALSE(csv.Save());
        }
        EXPECT_TRUE(csv.modified);
        EXPECT_EQ(original, Read("lexer\\csv.xml"));
        EXPECT_EQ(fault.keepsNewText ? 1u : 0u, desktop.messages.size());
        const std::string told = desktop.messages.empty() ? Log() : desktop.messages[0].text;
        FaultyFileSystem::CheckLeftovers(fault, Path("lexer\\"), newText, told);
    }
    EXPECT_EQ(FaultyFileSystem::Faults().size(), Count(Log(), "couldn't save setting file. [" + Path("lexer\\csv.xml") + "]"));
}

// A file of the same shape outside the program folder (a project's), by its absolute name.
class ElsewhereSection : public Lexer {
public:
    explicit ElsewhereSection(std::string file) : file_(std::move(file)) {}
    void Read() override { value = ReadInteger(eventElement, "type[compile]property[save_all]", -1); }
    void Write() override { WriteInteger(eventElement, "type[compile]property[save_all]", value); }
    const char *FileName() const override { return file_.c_str(); }
    const char *TemplateName() const override { return "\\template\\project.xml"; }
    int value = 0;

private:
    std::string file_;
};

TEST_F(SectionFile, AbsoluteNamesAreUsedAsTheyStand) {
    const std::string file = folder_ + "tree.prj";
    ElsewhereSection section(file);
    section.Load();
    EXPECT_EQ(Read("template\\project.xml"), TestFiles::Read(file));
    EXPECT_EQ(0, section.value);
    section.value = 1;
    section.SetModified();
    ASSERT_TRUE(section.Save());
    ElsewhereSection again(file);
    again.Load();
    EXPECT_EQ(1, again.value);
}

// A file without its style or event element gets them; a body missing under a root element is
// made there.
TEST_F(SectionFile, MissingSkeletonElementsAreCreatedOnSave) {
    Write("lexer\\xml.xml", "<body><style><type id=\"tag\"><property id=\"font_color\">255</property></type></style></body>");
    LexerXml xml;
    xml.Load();
    EXPECT_EQ(255u, xml.colors[LexerXml::Tag]);
    xml.SetModified();
    ASSERT_TRUE(xml.Save());
    const std::string bytes = Read("lexer\\xml.xml");
    EXPECT_EQ(1u, Count(bytes, "<style>"));
    EXPECT_EQ(1u, Count(bytes, "<event />"));

    Write("lexer\\html.xml", "<settings />");
    LexerHtml html;
    html.Load();
    html.SetModified();
    ASSERT_TRUE(html.Save());
    EXPECT_NE(std::string::npos, Read("lexer\\html.xml").find("<settings>\r\n    <body>"));
    html.colors.assign(html.colors.size(), 0);
    html.Load(true);
    EXPECT_EQ(Colors::Teal, html.colors[LexerHtml::Tag]);
}

}
