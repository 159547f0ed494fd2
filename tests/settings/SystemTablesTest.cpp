#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/SelectableMenuItem.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"

namespace {

TEST(SystemColorTable, NamesAndColoursAreDistinctAndStoredRedFirst) {
    SystemColor colors;
    std::set<std::string> names;
    std::set<COLORREF> values;
    for (int i = 0; i < SystemColor::Count; ++i) {
        names.insert(colors[i].name);
        values.insert(colors[i].color);
        EXPECT_EQ(i, colors.IndexOf(colors[i].color));
    }
    EXPECT_EQ(71u, names.size());
    EXPECT_EQ(71u, values.size());
    for (const char *spelling : {"AquaMarine", "MidNightBlue", "GoldenRod", "PaleGoldenRod"})
        EXPECT_TRUE(names.count(spelling)) << spelling;
    EXPECT_EQ(RGB(0xFF, 0, 0), colors.ByName("Red"));
    EXPECT_EQ(RGB(0xFF, 0xA5, 0), colors.ByName("Orange"));
    EXPECT_STREQ("AliceBlue", colors[0].name);
    EXPECT_STREQ("Yellow", colors[SystemColor::Count - 1].name);
}

TEST(SystemColorTable, ColoursOutsideTheTableBecomeAliceBlue) {
    SystemColor colors;
    EXPECT_EQ(Colors::Teal, colors.Lookup(Colors::Teal));
    EXPECT_EQ(Colors::AliceBlue, colors.Lookup(RGB(1, 2, 3)));
    EXPECT_EQ(Colors::AliceBlue, colors.Lookup(Colors::Red | 0x01000000));
    EXPECT_EQ(-1, colors.IndexOf(RGB(1, 2, 3)));
    EXPECT_EQ(Colors::AliceBlue, colors.ByName("red"));
    EXPECT_EQ(Colors::AliceBlue, colors.ByName(nullptr));
}

TEST(SystemFontTable, TheScreenOffersFixedPitchShiftJisFaces) {
    SystemFont fonts;
    const SystemFontData *gothic = fonts.Find("IPAゴシック");
    ASSERT_NE(nullptr, gothic);
    EXPECT_EQ(25u, gothic->sizes.size());
    EXPECT_EQ(8, *gothic->sizes.begin());
    EXPECT_EQ(32, *gothic->sizes.rbegin());
    EXPECT_NE(nullptr, fonts.Find("IPA明朝"));
    std::set<std::string> seen;
    for (const SystemFontData &font : fonts.Fonts()) {
        EXPECT_NE('@', font.name[0]) << font.name;
        EXPECT_FALSE(font.sizes.empty()) << font.name;
        EXPECT_TRUE(seen.insert(font.name).second) << "listed twice: " << font.name;
    }
    EXPECT_EQ(nullptr, fonts.Find("ipaゴシック"));
}

TEST(SelectableMenuItems, RowsRunInMenuOrderWithDistinctIds) {
    SelectableMenuItem items;
    std::set<int> ids;
    for (int i = 0; i < SelectableMenuItem::Count; ++i) {
        ids.insert(items[i].id);
        EXPECT_EQ(i, items.PositionOf(items[i].id));
        if (i > 0) {
            const auto previous = std::make_pair(items[i - 1].category, items[i - 1].order);
            EXPECT_LE(previous, std::make_pair(items[i].category, items[i].order)) << "row " << i;
        }
    }
    EXPECT_EQ(42u, ids.size());
    EXPECT_EQ(0, items[0].id);
    EXPECT_EQ(40043, items.Validate(40043));
    EXPECT_EQ(0, items.Validate(40001));
    EXPECT_EQ(nullptr, items.Find(-1));
}

template <class Section> void ExpectTable(int enumCount) {
    Section section;
    SystemColor colors;
    EXPECT_EQ(enumCount, section.KeyCount());
    ASSERT_EQ(static_cast<size_t>(enumCount), section.colors.size());
    std::set<std::string> elements;
    for (int i = 0; i < section.KeyCount(); ++i) {
        EXPECT_EQ(section.Keys()[i].defaultColor, section.colors[i]);
        EXPECT_LE(0, colors.IndexOf(section.Keys()[i].defaultColor)) << section.Keys()[i].element;
        EXPECT_TRUE(elements.insert(section.Keys()[i].element).second) << section.Keys()[i].element;
    }
}

TEST(LanguageSections, EachTableMatchesItsEnumAndDefaultsToTableColours) {
    ExpectTable<LexerCpp>(LexerCpp::Operator + 1);
    ExpectTable<LexerCsv>(LexerCsv::Separator + 1);
    ExpectTable<LexerHsp>(LexerHsp::Operator + 1);
    ExpectTable<LexerIni>(LexerIni::Comment + 1);
    ExpectTable<LexerHtml>(LexerHtml::Unknown + 1);
    ExpectTable<LexerSql>(LexerSql::Operator + 1);
    ExpectTable<LexerTsv>(LexerTsv::Even + 1);
    ExpectTable<LexerVb6>(LexerVb6::Preprocessor + 1);
    ExpectTable<LexerXml>(LexerXml::Entity + 1);
}

}
