#include <gtest/gtest.h>

#include <tinyxml.h>

#include <climits>
#include <string>

#include "settings/Lexer.h"

namespace {

// A style element holding one property whose text is given (null: an element without text).
class OneValue {
public:
    explicit OneValue(const char *text) {
        std::string xml = "<style><type id=\"t\"><property id=\"p\">";
        if (text)
            xml += text;
        xml += "</property></type></style>";
        document_.Parse(xml.c_str(), nullptr, TIXML_ENCODING_LEGACY);
        EXPECT_FALSE(document_.Error()) << xml;
    }
    TiXmlElement *Style() { return document_.FirstChildElement("style"); }

private:
    TiXmlDocument document_;
};

const char *const Key = "type[t]property[p]";

TEST(SettingValues, IntegersReadAsAtoiWithZeroOnlyFromTheTextZero) {
    struct Case {
        const char *text;
        int expected;
    } cases[] = {
        {"0", 0},         {"8", 8},         {"8 word", 8},     {"  12", 12},   {"-20", -20}, {"+7", 7},
        {"abc", 4},       {"00", 4},        {"-0", 4},         {"0x10", 4},    {"", 4},      {nullptr, 4},
        {"99999999999", INT_MAX},           {"-99999999999", INT_MIN},         {"2147483647", INT_MAX},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(no text)");
        OneValue value(c.text);
        EXPECT_EQ(c.expected, Lexer::ReadInteger(value.Style(), Key, 4));
    }
    EXPECT_EQ(4, Lexer::ReadInteger(nullptr, Key, 4));
    OneValue value("5");
    EXPECT_EQ(4, Lexer::ReadInteger(value.Style(), "type[t]property[missing]", 4));
}

TEST(SettingValues, ColoursAreMaskedTo24Bits) {
    struct Case {
        const char *text;
        COLORREF expected;
    } cases[] = {
        {"16777216", 0}, {"16777215", 0xFFFFFF}, {"-1", 0xFFFFFF}, {"255", 255}, {"0", 0}, {"red", 0x123456},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        OneValue value(c.text);
        EXPECT_EQ(c.expected, Lexer::ReadColor(value.Style(), Key, 0x123456));
    }
    OneValue written("");
    Lexer::WriteColor(written.Style(), Key, 0xFF00FF00);
    EXPECT_STREQ("65280", Lexer::ReadText(written.Style(), Key));
}

TEST(SettingValues, BooleansAcceptOnlyTheFourSpellings) {
    struct Case {
        const char *text;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"yes", false, true}, {"YES", false, true}, {"no", true, false}, {"NO", true, false},
        {"Yes", false, false}, {"No", true, true}, {"true", false, false}, {"1", false, false},
        {nullptr, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(no text)");
        OneValue value(c.text);
        EXPECT_EQ(c.expected, Lexer::ReadBoolean(value.Style(), Key, c.defaultValue));
    }
}

TEST(SettingValues, StringsMustFitTheirFieldWithItsTerminator) {
    const struct {
        const char *text, *expected;
    } cases[] = {{"1234567", "1234567"}, {"12345678", ""}, {nullptr, ""}};
    for (const auto &c : cases) {
        char field[8] = "before";
        OneValue value(c.text);
        Lexer::ReadString(value.Style(), Key, field, sizeof field);
        EXPECT_STREQ(c.expected, field);
    }
}

TEST(SettingValues, WritersReplaceEveryChildWithOneText) {
    TiXmlDocument document;
    document.Parse("<style><type id=\"t\"><property id=\"p\">old<b/>tail<!-- note --></property></type></style>",
                   nullptr, TIXML_ENCODING_LEGACY);
    TiXmlElement *style = document.FirstChildElement("style");
    Lexer::WriteBoolean(style, Key, true);
    const TiXmlElement *property = Lexer::FindOrCreate(style, Key);
    ASSERT_NE(nullptr, property->FirstChild());
    EXPECT_EQ(property->FirstChild(), property->LastChild());
    EXPECT_STREQ("yes", property->GetText());
    Lexer::WriteInteger(style, Key, -42);
    EXPECT_STREQ("-42", property->GetText());
}

// Names compare case-sensitively; a malformed key addresses nothing.
TEST(SettingKeys, EachBracketPairIsOneLevelCreatedWhenMissing) {
    OneValue value("1");
    TiXmlElement *style = value.Style();
    TiXmlElement *existing = Lexer::FindOrCreate(style, Key);
    ASSERT_NE(nullptr, existing);
    EXPECT_STREQ("1", existing->GetText());
    TiXmlElement *created = Lexer::FindOrCreate(style, "type[t]property[q]");
    EXPECT_EQ(existing->NextSiblingElement(), created);
    EXPECT_STREQ("q", created->Attribute("id"));
    EXPECT_EQ(created, Lexer::FindOrCreate(style, "type[t]property[q]"));
    EXPECT_NE(existing, Lexer::FindOrCreate(style, "Type[t]property[p]"));
    for (const char *malformed : {"type[unclosed", "[id]"})
        EXPECT_EQ(nullptr, Lexer::FindOrCreate(style, malformed)) << malformed;
    EXPECT_EQ(nullptr, Lexer::FindOrCreate(nullptr, Key));
}

TEST(SettingKeys, OfTwoPropertiesWithOneIdTheFirstIsReadAndWritten) {
    TiXmlDocument document;
    document.Parse("<style><type id=\"t\"><property id=\"p\">1</property><property id=\"p\">2</property></type>"
                   "</style>",
                   nullptr, TIXML_ENCODING_LEGACY);
    TiXmlElement *style = document.FirstChildElement("style");
    EXPECT_EQ(1, Lexer::ReadInteger(style, Key, 0));
    Lexer::WriteInteger(style, Key, 7);
    const TiXmlElement *first = style->FirstChildElement()->FirstChildElement();
    EXPECT_STREQ("7", first->GetText());
    EXPECT_STREQ("2", first->NextSiblingElement()->GetText());
}

}
