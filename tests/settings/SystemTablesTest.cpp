#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"

namespace {

TEST(SystemColorTable, ColoursAreDistinctStoredRedFirstAndOthersBecomeAliceBlue) {
    SystemColor colors;
    std::set<std::string> names;
    for (int i = 0; i < SystemColor::Count; ++i) {
        names.insert(colors[i].name);
        EXPECT_EQ(i, colors.IndexOf(colors[i].color)) << colors[i].name;
    }
    EXPECT_EQ(71u, names.size());
    EXPECT_EQ(RGB(0xFF, 0xA5, 0), colors.ByName("Orange"));
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
    std::set<std::string> seen;
    for (const SystemFontData &font : fonts.Fonts()) {
        EXPECT_NE('@', font.name[0]) << font.name;
        EXPECT_FALSE(font.sizes.empty()) << font.name;
        EXPECT_TRUE(seen.insert(font.name).second) << "listed twice: " << font.name;
    }
    EXPECT_EQ(nullptr, fonts.Find("ipaゴシック"));
}

// A missing row would leave a colour of the enum unread; a default outside the colour table
// would show as AliceBlue.
template <class Section> void ExpectTable(int enumCount) {
    Section section;
    SystemColor colors;
    ASSERT_EQ(enumCount, section.KeyCount());
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
