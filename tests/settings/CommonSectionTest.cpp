#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "settings/LexerCommon.h"
#include "settings/SelectableMenuItem.h"
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

// The four slots as "name/function" separated by blanks.
std::string Slots(const ClientSlots &slots) {
    std::string text;
    for (const ClientSlot &slot : slots)
        text += (text.empty() ? "" : " ") + slot.name + "/" + slot.function;
    return text;
}

std::string Documents() {
    char documents[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE);
    return std::string(documents) + "\\";
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

    // Written afresh: no index of the longer list read before is left to be read back.
    c->contextMenuItems = {40049, 0};
    c->SetModified();
    ASSERT_TRUE(c->Save());
    EXPECT_EQ((std::vector<int>{40049, 0}), Load("").contextMenuItems);
}

TEST_F(CommonSection, WindowPositionIsClampedToThreeQuartersOfTheScreen) {
    ASSERT_EQ(1280, GetSystemMetrics(SM_CXSCREEN));
    ASSERT_EQ(1024, GetSystemMetrics(SM_CYSCREEN));
    const struct {
        const char *x, *y;
        int fixedX, fixedY;
    } cases[] = {{"5000", "5000", 960, 768}, {"-20", "900", 0, 768}, {"700", "-1", 700, 0}};
    for (const auto &c : cases) {
        LexerCommon &common = Load(SectionXml(Tamborel({{"initial_window_position_x", c.x}, {"initial_window_position_y", c.y}})));
        EXPECT_EQ(c.fixedX, common.initialWindowPositionX) << c.x;
        EXPECT_EQ(c.fixedY, common.initialWindowPositionY) << c.y;
    }
}

TEST_F(CommonSection, FontSizesSnapToWhatTheFaceOffers) {
    const struct {
        const char *size;
        int expected;
    } cases[] = {{"13", 12}, {"7", 9}, {"20", 16}, {"12", 12}, {"0", 9}};
    for (const auto &c : cases) {
        LexerCommon &common = Load(SectionXml(Vessary({{"font_face", "Raster"}, {"font_size", c.size}}) +
                                              Tamborel({{"documentview_font_face", "Raster"}, {"documentview_font_size", c.size}})));
        EXPECT_STREQ("Raster", common.fontFace);
        EXPECT_EQ(c.expected, common.fontSize) << c.size;
        EXPECT_EQ(c.expected, common.documentviewFontSize) << c.size;
    }
}

// The fallbacks in their order, else the table's first face; with no faces at all, the name stays.
TEST_F(CommonSection, AFaceTheSystemLacksIsReplaced) {
    const struct {
        std::vector<SystemFontData> fonts;
        const char *face;
        int size;
    } cases[] = {{DefaultFonts(), "ＭＳ ゴシック", 32},
                 {{{"Raster", {9, 12}}, {"ＭＳ 明朝", Range(8, 32)}, {"FixedSys", {10}}}, "FixedSys", 10},
                 {{}, "Gone", 40},
                 {{{"IPA明朝", Range(8, 32)}}, "IPA明朝", 32}};
    for (const auto &c : cases) {
        LexerCommon &common = Load(SectionXml(Vessary({{"font_face", "Gone"}, {"font_size", "40"}}) +
                                              Tamborel({{"documentview_font_face", "raster"}})), c.fonts);
        EXPECT_STREQ(c.face, common.fontFace);
        EXPECT_EQ(c.size, common.fontSize) << c.face;
    }
    EXPECT_STREQ("IPA明朝", common_->documentviewFontFace);
    // The replacement is what a later save writes.
    common_->SetModified();
    ASSERT_TRUE(common_->Save());
    EXPECT_NE(std::string::npos, Read("lexer\\_common.xml").find("<property id=\"font_face\">IPA明朝<"));
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
    // Without its separator the last folder would pass for a new document's file name; 表 ends
    // in the byte of a backslash and is no separator.
    EXPECT_STREQ(Path("lexer\\").c_str(), Load(SectionXml(Tamborel({{"default_directory", Path("lexer")}}))).defaultDirectory);
    ASSERT_TRUE(CreateDirectoryA(Path("表").c_str(), nullptr));
    EXPECT_STREQ(Path("表\\").c_str(), Load(SectionXml(Tamborel({{"default_directory", Path("表")}}))).defaultDirectory);
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
    EXPECT_EQ("a/b client/run x/y /", Slots(c.clientBindings["hsp"]));

    c.launchTable.erase("wav");
    c.clientBindings["*"][3] = {"all", "fn"};
    c.SetModified();
    ASSERT_TRUE(c.Save());
    const auto launchTable = c.launchTable;
    LexerCommon &again = Load("");
    EXPECT_EQ(launchTable, again.launchTable);
    ASSERT_EQ(2u, again.clientBindings.size());
    EXPECT_EQ("/ / / all/fn", Slots(again.clientBindings["*"]));
    EXPECT_EQ("a/b client/run x/y /", Slots(again.clientBindings["hsp"]));
}

}
