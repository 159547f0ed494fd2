#include <gtest/gtest.h>

#include <windows.h>

#include <tinyxml.h>

#include <string>
#include <vector>

#include "framework/KernelHandle.h"
#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settings/SettingFile.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "SettingsFolder.h"

namespace {

std::vector<std::string> FilesIn(const std::string &folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

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

TEST_F(SectionFile, AMissingFileIsCopiedFromItsTemplate) {
    Setting setting(fonts_);
    setting.Cpp();
    setting.Common();
    EXPECT_EQ(Read("template\\lexer.xml"), Read("lexer\\cpp.xml"));
    EXPECT_EQ(Read("template\\_common.xml"), Read("lexer\\_common.xml"));
    // The template's own values apply.
    EXPECT_EQ(12, setting.Common().fontSize);
    EXPECT_EQ(200, setting.Common().initialSubviewSizeX);
    EXPECT_FALSE(TestFiles::Exists(Path("lexer\\sql.xml")));
}

TEST_F(SectionFile, WithoutTemplatesEveryFieldTakesItsDefaultAndASaveWritesThemAll) {
    DeleteFileA(Path("template\\lexer.xml").c_str());
    Write("template\\_common.xml", "<body><style>broken");
    {
        Setting setting(fonts_);
        EXPECT_EQ(Colors::CadetBlue, setting.Hsp().colors[LexerHsp::String]);
        EXPECT_TRUE(setting.Hsp().homePrompt);
        EXPECT_EQ(640, setting.Hsp().buildWindowSizeX);
        // 0, snapped to the face's smallest size.
        EXPECT_EQ(8, setting.Common().fontSize);
        EXPECT_FALSE(TestFiles::Exists(Path("lexer\\hsp.xml")));
        EXPECT_FALSE(TestFiles::Exists(Path("lexer\\_common.xml")));
        setting.Hsp().SetModified();
    }
    TiXmlDocument saved;
    ASSERT_EQ(SettingFile::State::Parsed, SettingFile::Load(saved, Path("lexer\\hsp.xml").c_str()));
    const std::string bytes = Read("lexer\\hsp.xml");
    EXPECT_NE(std::string::npos, bytes.find("<property id=\"initial_window_size_x\">640</property>"));
    EXPECT_NE(std::string::npos, bytes.find("<type id=\"hpi\">"));
}

TEST_F(SectionFile, SavingKeepsWhatTheProgramDoesNotKnowAndAddsMissingKeys) {
    Write("lexer\\cpp.xml", "<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>\r\n"
                            "<!-- the user's note -->\r\n"
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
    EXPECT_NE(std::string::npos, bytes.find("<!-- the user's note -->"));
    EXPECT_NE(std::string::npos, bytes.find("<custom id=\"mine\">keep</custom>"));
    EXPECT_NE(std::string::npos, bytes.find("<plugin a=\"1\" />"));
    EXPECT_NE(std::string::npos, bytes.find("<property id=\"bold\">yes</property>"));
    EXPECT_NE(std::string::npos, bytes.find("<property id=\"font_color\">16711680</property>"));
    EXPECT_NE(std::string::npos, bytes.find("<property id=\"font_color\">second</property>"));
    // A key the file lacked is there now, with its value.
    EXPECT_NE(std::string::npos, bytes.find("<type id=\"comment_line\">\r\n            <property id=\"font_color\">255</property>"));
    // Keys in the table's order after what was there.
    EXPECT_LT(bytes.find("\"comment_block\""), bytes.find("\"number\""));
    EXPECT_LT(bytes.find("\"preprocessor\""), bytes.find("\"operator\""));

    LexerCpp again;
    again.Load();
    EXPECT_EQ(Colors::Blue, again.colors[LexerCpp::Keyword]);
    EXPECT_EQ(Colors::Red, again.colors[LexerCpp::CommentLine]);
    EXPECT_EQ(Colors::White, again.colors[LexerCpp::Operator]);
}

TEST_F(SectionFile, OnlyChangedSectionsAreWrittenAtExit) {
    Write("lexer\\sql.xml", SectionXml(Property("keyword", "font_color", "  12 ")));
    Write("lexer\\vb6.xml", SectionXml(""));
    {
        Setting setting(fonts_);
        EXPECT_EQ(12u, setting.Sql().colors[LexerSql::Keyword]);
        setting.Vb6().colors[LexerVb6::Comment] = Colors::Navy;
        setting.Vb6().SetModified();
        setting.Common().logLevel = 'D';
        setting.Common().SetModified();
    }
    EXPECT_EQ(SectionXml(Property("keyword", "font_color", "  12 ")), Read("lexer\\sql.xml"));
    EXPECT_NE(std::string::npos, Read("lexer\\vb6.xml").find(std::to_string(Colors::Navy)));
    EXPECT_NE(std::string::npos, Read("lexer\\_common.xml").find("<property id=\"log_level\">68</property>"));
    for (const char *never : {"lexer\\cpp.xml", "lexer\\hsp.xml", "lexer\\xml.xml"})
        EXPECT_FALSE(TestFiles::Exists(Path(never))) << never;
    for (const std::string &name : FilesIn(Path("lexer\\")))
        EXPECT_EQ(".xml", name.substr(name.size() - 4)) << "left behind: " << name;
}

TEST_F(SectionFile, ShiftJisTextPassesThroughUntouched) {
    // A UTF-8 declaration must not make the reader decode Shift-JIS: 0xEA starts a three-byte
    // UTF-8 sequence and would swallow the '<' that follows it.
    const std::string japanese = "C:\\ソフト\\表示\\熙";
    Write("lexer\\hsp.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<body><style/><event>" +
                                Property("open", "home_directory", japanese) +
                                Property("debug", "commandline", "-a  \"能 予\"  ") + "</event></body>");
    LexerHsp hsp;
    hsp.Load();
    EXPECT_STREQ(japanese.c_str(), hsp.homeDirectory);
    EXPECT_STREQ("-a \"能 予\"", hsp.debugCommandline);

    // Runs of blanks, and blanks at either end, survive a round trip.
    lstrcpyA(hsp.debugCommandline, "  -a  \"能 予\"  ");
    lstrcpyA(hsp.buildFilename, "ソフト 十.exe");
    hsp.SetModified();
    ASSERT_TRUE(hsp.Save());
    const std::string bytes = Read("lexer\\hsp.xml");
    EXPECT_NE(std::string::npos, bytes.find(">" + japanese + "<"));
    LexerHsp again;
    again.Load();
    EXPECT_STREQ(japanese.c_str(), again.homeDirectory);
    EXPECT_STREQ("  -a  \"能 予\"  ", again.debugCommandline);
    EXPECT_STREQ("ソフト 十.exe", again.buildFilename);
}

TEST_F(SectionFile, ABrokenFileIsKeptAsideBeforeANewOneIsWritten) {
    const std::string broken = "<body><style><type id=\"keyword\"><property id=\"font_color\">255</property>";
    Write("lexer\\cpp.xml", broken);
    {
        LexerCpp cpp;
        cpp.Load();
        EXPECT_EQ(Colors::Red, cpp.colors[LexerCpp::Keyword]);
        EXPECT_NE(std::string::npos, Log().find("(w) - couldn't read setting file"));
        // Not changed: the broken file stays as it is.
        EXPECT_TRUE(cpp.Save());
        EXPECT_EQ(broken, Read("lexer\\cpp.xml"));
        EXPECT_FALSE(TestFiles::Exists(Path("lexer\\cpp.xml.broken")));

        cpp.colors[LexerCpp::Keyword] = Colors::Blue;
        cpp.SetModified();
        ASSERT_TRUE(cpp.Save());
    }
    EXPECT_EQ(broken, Read("lexer\\cpp.xml.broken"));
    EXPECT_NE(std::string::npos, Log().find("kept aside. [" + Path("lexer\\cpp.xml.broken") + "]"));
    LexerCpp again;
    again.Load();
    EXPECT_EQ(Colors::Blue, again.colors[LexerCpp::Keyword]);

    // A second broken file does not replace the first one kept aside.
    Write("lexer\\cpp.xml", "<<<");
    again.Load(true);
    again.SetModified();
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(broken, Read("lexer\\cpp.xml.broken"));
    EXPECT_EQ("<<<", Read("lexer\\cpp.xml.broken2"));
}

TEST_F(SectionFile, DeepNestingAndHugeTextsAreHandled) {
    std::string deep = "<body><style>";
    for (int i = 0; i < 200000; ++i)
        deep += "<a>";
    Write("lexer\\ini.xml", deep);
    LexerIni ini;
    ini.Load();
    EXPECT_EQ(Colors::Red, ini.colors[LexerIni::Section]);
    ini.SetModified();
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(deep, Read("lexer\\ini.xml.broken"));

    const std::string face(4 << 20, 'f');
    Write("lexer\\_common.xml",
          SectionXml(Type("vessary", {{"font_face", face}, {"font_size", std::string(1 << 20, '9')}})));
    SystemFont fonts(std::vector<SystemFontData>{{"Only", {10, 11}}});
    Setting setting(fonts);
    EXPECT_STREQ("Only", setting.Common().fontFace);
    EXPECT_EQ(11, setting.Common().fontSize);
}

TEST_F(SectionFile, ASectionPathThatIsAFolderIsLeftAlone) {
    ASSERT_TRUE(CreateDirectoryA(Path("lexer\\tsv.xml").c_str(), nullptr));
    Write("lexer\\tsv.xml\\inside.txt", "mine");
    LexerTsv tsv;
    tsv.Load();
    EXPECT_EQ(Colors::LightGreen, tsv.colors[LexerTsv::Odd]);
    tsv.SetModified();
    EXPECT_FALSE(tsv.Save());
    EXPECT_TRUE(tsv.modified);
    EXPECT_EQ("mine", Read("lexer\\tsv.xml\\inside.txt"));
    EXPECT_NE(std::string::npos, Log().find("couldn't save setting file. [" + Path("lexer\\tsv.xml") + "]"));
}

TEST_F(SectionFile, AFailedReplaceLeavesTheOldFileWhole) {
    const std::string original = SectionXml(Property("odd", "font_color", "255"));
    Write("lexer\\csv.xml", original);
    LexerCsv csv;
    csv.Load();
    csv.colors[LexerCsv::Odd] = Colors::Lime;
    csv.SetModified();
    {
        // Another program reading the file without letting it be replaced.
        KernelHandle reader(CreateFileA(Path("lexer\\csv.xml").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(reader.Valid());
        EXPECT_FALSE(csv.Save());
        EXPECT_TRUE(csv.modified);
    }
    EXPECT_EQ(original, Read("lexer\\csv.xml"));
    EXPECT_EQ(1u, FilesIn(Path("lexer\\")).size()) << "a temporary file was left behind";
    EXPECT_TRUE(csv.Save());
    EXPECT_NE(std::string::npos, Read("lexer\\csv.xml").find(std::to_string(Colors::Lime)));
}

// A file of the same shape outside the program folder, whose body sits under a root element.
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

TEST_F(SectionFile, AbsoluteNamesAndBodiesUnderARootElement) {
    const std::string other = TestFiles::MakeTempFolder("tamborel-elsewhere");
    const std::string file = other + "tree.prj";
    {
        ElsewhereSection section(file);
        section.Load();
        EXPECT_EQ(file, section.path);
        EXPECT_EQ(Read("template\\project.xml"), TestFiles::Read(file));
        EXPECT_EQ(0, section.value);
        section.value = 1;
        section.SetModified();
        ASSERT_TRUE(section.Save());
    }
    ElsewhereSection again(file);
    again.Load();
    EXPECT_EQ(1, again.value);
    const std::string bytes = TestFiles::Read(file);
    EXPECT_EQ(1u, Count(bytes, "<body>"));
    EXPECT_NE(std::string::npos, bytes.find("<holder name=\"project\" expand=\"yes\" />"));
    EXPECT_EQ(1u, FilesIn(other).size());
    TestFiles::RemoveTree(other);
}

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
    LexerHtml again;
    again.colors.assign(again.colors.size(), 0);
    again.Load();
    EXPECT_EQ(Colors::Teal, again.colors[LexerHtml::Tag]);
    EXPECT_NE(std::string::npos, Read("lexer\\html.xml").find("<settings>\r\n    <body>"));
}

}
