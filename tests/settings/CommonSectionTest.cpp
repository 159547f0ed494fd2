#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "settings/LexerCommon.h"
#include "settings/SelectableMenuItem.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"
#include "SettingsFolder.h"

namespace {

std::set<int> Range(int from, int to) {
    std::set<int> sizes;
    for (int size = from; size <= to; ++size)
        sizes.insert(size);
    return sizes;
}

class CommonSection : public SettingsFolder {
protected:
    // Loads _common.xml (written first when given) with a fixed font table.
    LexerCommon &Load(const std::string &xml, std::vector<SystemFontData> fonts = DefaultFonts()) {
        if (!xml.empty())
            Write("lexer\\_common.xml", xml);
        fonts_ = std::make_unique<SystemFont>(std::move(fonts));
        common_ = std::make_unique<LexerCommon>(*fonts_, items_);
        common_->Load(false);
        return *common_;
    }
    static std::vector<SystemFontData> DefaultFonts() {
        return {{"Raster", {9, 12, 16}}, {"IPAゴシック", Range(8, 32)}, {"ＭＳ ゴシック", Range(8, 32)}};
    }
    using Properties = std::initializer_list<std::pair<const char *, std::string>>;
    static std::string Tamborel(Properties properties) { return Type("tamborel", properties); }
    static std::string Vessary(Properties properties) { return Type("vessary", properties); }
    static std::string List(const char *type, const std::vector<std::string> &values) {
        std::string xml = std::string("<type id=\"") + type + "\">";
        for (size_t i = 0; i < values.size(); ++i)
            xml += "<property id=\"index_" + std::to_string(i + 1) + "\">" + values[i] + "</property>";
        return xml + "</type>";
    }

    SelectableMenuItem items_;
    std::unique_ptr<SystemFont> fonts_;
    std::unique_ptr<LexerCommon> common_;
};

std::string Documents() {
    char documents[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    return std::string(documents) + "\\";
}

TEST_F(CommonSection, EveryKeyTakesItsDefaultWhenTheFileHasNone) {
    LexerCommon &c = Load(SectionXml(""));
    EXPECT_EQ('W', c.logLevel);
    EXPECT_EQ(Colors::Moccasin, c.tooltipBackColor);
    EXPECT_EQ(Colors::AliceBlue, c.fontColor);
    EXPECT_EQ(Colors::DarkSlateGray, c.tabAndSpaceFontColor);
    EXPECT_TRUE(c.menubarVisible);
    EXPECT_FALSE(c.alwaysTopMost);
    EXPECT_FALSE(c.indentBySpace);
    EXPECT_EQ(48, c.sideRulerWidth);
    EXPECT_EQ(500, c.sideCarretSpeed);
    EXPECT_EQ(4, c.indentSize);
    EXPECT_TRUE(c.contextMenuItems.empty());
    EXPECT_TRUE(c.launchTable.empty());
}

TEST_F(CommonSection, ValuesOfTheWrongKindFallBackPerKey) {
    LexerCommon &c = Load(SectionXml(Vessary({{"indent_size", "0"}, {"side_ruler_width", "wide"},
                                              {"side_carret_speed", "8 ms"}, {"space_visible", "Yes"},
                                              {"back_color", "16777216"}}) +
                                     Tamborel({{"log_level", "68"}})));
    EXPECT_EQ(0, c.indentSize);
    EXPECT_EQ(48, c.sideRulerWidth);
    EXPECT_EQ(8, c.sideCarretSpeed);
    EXPECT_TRUE(c.spaceVisible);
    EXPECT_EQ(0u, c.backColor);
    EXPECT_EQ('D', c.logLevel);
}

TEST_F(CommonSection, ItemListsStopAtMinusOneOrAMissingIndex) {
    // In the tool bar list index_4 is missing: index_5 is never read.
    LexerCommon *c = &Load(SectionXml(List("contextmenu", {"40013", "-1", "40014"}) +
                                      "<type id=\"toolbaritem\"><property id=\"index_5\">40028</property>"
                                      "<property id=\"index_2\">0</property><property id=\"index_1\">40002</property>"
                                      "<property id=\"index_3\">40005</property></type>"));
    EXPECT_EQ(std::vector<int>{40013}, c->contextMenuItems);
    EXPECT_EQ((std::vector<int>{40002, 0, 40005}), c->toolbarItems);

    c = &Load(SectionXml(List("contextmenu", {"40036", "12345", "40049", "cut", "40042"}) +
                        List("toolbaritem", {"40009", "", "40011"})));
    // An id outside the selectable table becomes a separator; a text that is no number ends the list.
    EXPECT_EQ((std::vector<int>{40036, 0, 40049}), c->contextMenuItems);
    EXPECT_EQ(std::vector<int>{40009}, c->toolbarItems);
}

TEST_F(CommonSection, ItemListsAreWrittenAfresh) {
    LexerCommon &c = Load(SectionXml(List("contextmenu", {"40036", "40041", "40042", "40043"})));
    c.contextMenuItems = {40049, 0};
    c.SetModified();
    ASSERT_TRUE(c.Save());
    LexerCommon &again = Load("");
    EXPECT_EQ((std::vector<int>{40049, 0}), again.contextMenuItems);
    EXPECT_EQ(std::string::npos, Read("lexer\\_common.xml").find("index_3"));
}

TEST_F(CommonSection, WindowPositionIsClampedToThreeQuartersOfTheScreen) {
    ASSERT_EQ(1280, GetSystemMetrics(SM_CXSCREEN));
    ASSERT_EQ(1024, GetSystemMetrics(SM_CYSCREEN));
    LexerCommon *c = &Load(SectionXml(Tamborel({{"initial_window_position_x", "5000"},
                                                {"initial_window_position_y", "5000"}})));
    EXPECT_EQ(960, c->initialWindowPositionX);
    EXPECT_EQ(768, c->initialWindowPositionY);
    c = &Load(SectionXml(Tamborel({{"initial_window_position_x", "-20"}, {"initial_window_position_y", "900"}})));
    EXPECT_EQ(0, c->initialWindowPositionX);
    EXPECT_EQ(768, c->initialWindowPositionY);
    c = &Load(SectionXml(Tamborel({{"initial_window_position_x", "700"}, {"initial_window_position_y", "-1"}})));
    EXPECT_EQ(700, c->initialWindowPositionX);
    EXPECT_EQ(0, c->initialWindowPositionY);
}

TEST_F(CommonSection, FontSizesSnapToWhatTheFaceOffers) {
    struct Case {
        const char *size;
        int expected;
    } cases[] = {{"13", 12}, {"7", 9}, {"20", 16}, {"12", 12}, {"0", 9}, {"-3", 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        LexerCommon &common = Load(SectionXml(Vessary({{"font_face", "Raster"}, {"font_size", c.size}}) +
                                              Tamborel({{"documentview_font_face", "Raster"},
                                                        {"documentview_font_size", c.size}})));
        EXPECT_STREQ("Raster", common.fontFace);
        EXPECT_EQ(c.expected, common.fontSize);
        EXPECT_EQ(c.expected, common.documentviewFontSize);
    }
}

TEST_F(CommonSection, AFaceTheSystemLacksIsReplaced) {
    // The fallbacks in their order, else the table's first face.
    LexerCommon *c = &Load(SectionXml(Vessary({{"font_face", "Gone"}, {"font_size", "40"}}) +
                                      Tamborel({{"documentview_font_face", "raster"}})));
    EXPECT_STREQ("ＭＳ ゴシック", c->fontFace);
    EXPECT_EQ(32, c->fontSize);
    EXPECT_STREQ("ＭＳ ゴシック", c->documentviewFontFace);

    c = &Load(SectionXml(Vessary({{"font_face", "Gone"}})),
             {{"Raster", {9, 12}}, {"ＭＳ 明朝", Range(8, 32)}, {"FixedSys", {10}}});
    EXPECT_STREQ("FixedSys", c->fontFace);
    EXPECT_EQ(10, c->fontSize);

    c = &Load(SectionXml(Vessary({{"font_face", "Gone"}, {"font_size", "11"}})), {{"IPA明朝", Range(8, 32)}});
    EXPECT_STREQ("IPA明朝", c->fontFace);
    EXPECT_EQ(11, c->fontSize);

    // The replacement is what a later save writes.
    c->SetModified();
    ASSERT_TRUE(c->Save());
    EXPECT_NE(std::string::npos, Read("lexer\\_common.xml").find(">IPA明朝<"));

    c = &Load(SectionXml(Vessary({{"font_face", "Gone"}, {"font_size", "11"}})), {});
    EXPECT_STREQ("Gone", c->fontFace);
    EXPECT_EQ(11, c->fontSize);
}

TEST_F(CommonSection, DefaultDirectoryMustBeAnExistingFolder) {
    const std::string documents = Documents();
    ASSERT_NE("\\", documents);
    EXPECT_STREQ(documents.c_str(), Load(SectionXml("")).defaultDirectory);
    EXPECT_STREQ(documents.c_str(),
                 Load(SectionXml(Tamborel({{"default_directory", folder_ + "nowhere\\"}}))).defaultDirectory);
    Write("file.txt", "x");
    EXPECT_STREQ(documents.c_str(), Load(SectionXml(Tamborel({{"default_directory", Path("file.txt")}}))).defaultDirectory);
    EXPECT_STREQ(Path("lexer\\").c_str(), Load(SectionXml(Tamborel({{"default_directory", Path("lexer\\")}}))).defaultDirectory);
}

TEST_F(CommonSection, LaunchTableAndClientBindingsRoundTrip) {
    const std::string event =
        "<type id=\"open\"><property id=\"bmp\" path=\"C:\\ソフト\\paint.exe\"/><property id=\"txt\"/></type>"
        "<type id=\"exec\"><property id=\"hsp\"><property id=\"F6\" name=\"client\" function=\"run\"/>"
        "<property id=\"F5\" name=\"a\" function=\"b\"/><other id=\"F7\" name=\"x\" function=\"y\"/>"
        "<property id=\"F9\" name=\"no\" function=\"no\"/></property></type>"
        // A second launch element: its entries count too, and it does not come back after a save.
        "<type id=\"open\"><property id=\"wav\" path=\"play.exe\"/></type>";
    LexerCommon &c = Load(SectionXml("", event));
    ASSERT_EQ(3u, c.launchTable.size());
    EXPECT_EQ("C:\\ソフト\\paint.exe", c.launchTable["bmp"]);
    EXPECT_EQ("", c.launchTable["txt"]);
    EXPECT_EQ("play.exe", c.launchTable["wav"]);
    ASSERT_EQ(1u, c.clientBindings.size());
    const ClientSlots &slots = c.clientBindings["hsp"];
    EXPECT_EQ("a", slots[0].name);
    EXPECT_EQ("b", slots[0].function);
    EXPECT_EQ("client", slots[1].name);
    EXPECT_EQ("run", slots[1].function);
    EXPECT_EQ("x", slots[2].name);
    EXPECT_EQ("", slots[3].name);

    c.launchTable.erase("wav");
    c.clientBindings["*"][3] = {"all", "fn"};
    c.SetModified();
    ASSERT_TRUE(c.Save());
    const auto launchTable = c.launchTable;
    LexerCommon &again = Load("");
    EXPECT_EQ(launchTable, again.launchTable);
    ASSERT_EQ(2u, again.clientBindings.size());
    EXPECT_EQ("all", again.clientBindings["*"][3].name);
    EXPECT_EQ("fn", again.clientBindings["*"][3].function);
    EXPECT_EQ("run", again.clientBindings["hsp"][1].function);
    EXPECT_EQ("x", again.clientBindings["hsp"][2].name);
}

}
