#include "settings/LexerLanguage.h"

#include <string>

#include "settings/SystemColor.h"

namespace {

using namespace Colors;

const ColorKey cppKeys[] = {
    {"comment_line", DarkOliveGreen}, {"comment_block", DarkOliveGreen}, {"number", White},
    {"keyword", Red}, {"string", CadetBlue}, {"character", PaleGoldenRod}, {"preprocessor", Orange},
    {"operator", White},
};
const ColorKey csvKeys[] = {{"odd", LightGreen}, {"even", PaleGoldenRod}, {"separator", Red}};
const ColorKey iniKeys[] = {
    {"section", Red}, {"key", LightGreen}, {"value", Yellow}, {"separator", Orange}, {"comment", CadetBlue},
};
const ColorKey htmlKeys[] = {
    {"default", White}, {"tag", Teal}, {"attribute", Olive}, {"number", DarkSlateGray},
    {"double_string", DarkSlateGray}, {"single_string", DarkSlateGray}, {"operator", Teal}, {"comment", Gray},
    {"entity", Aqua}, {"unknown", DarkOliveGreen},
};
const ColorKey sqlKeys[] = {
    {"comment", Gray}, {"number", PaleGoldenRod}, {"keyword", DodgerBlue}, {"character", Orange},
    {"string", Tan}, {"operator", PaleTurquoise},
};
const ColorKey tsvKeys[] = {{"odd", LightGreen}, {"even", PaleGoldenRod}};
const ColorKey vb6Keys[] = {
    {"comment", Green}, {"number", Gainsboro}, {"keyword", Yellow}, {"string", LightSteelBlue},
    {"operator", Gainsboro}, {"preprocessor", Orange},
};
const ColorKey xmlKeys[] = {
    {"default", White}, {"tag", Teal}, {"attribute", Olive}, {"string", DarkSlateGray}, {"operator", Teal},
    {"comment", Gray}, {"entity", Aqua},
};

template <size_t N> constexpr int CountOf(const ColorKey (&)[N]) { return static_cast<int>(N); }

std::string KeyOf(const ColorKey &key) { return std::string("type[") + key.element + "]property[font_color]"; }

}

LexerLanguage::LexerLanguage(const char *fileName, const ColorKey *keys, int count)
    : fileName_(fileName), keys_(keys), count_(count) {
    for (int i = 0; i < count_; ++i)
        colors.push_back(keys_[i].defaultColor);
}

void LexerLanguage::Read() {
    colors.resize(static_cast<size_t>(count_));
    for (int i = 0; i < count_; ++i)
        colors[i] = ReadColor(styleElement, KeyOf(keys_[i]).c_str(), keys_[i].defaultColor);
}

void LexerLanguage::Write() {
    for (int i = 0; i < count_ && i < static_cast<int>(colors.size()); ++i)
        WriteColor(styleElement, KeyOf(keys_[i]).c_str(), colors[i]);
}

LexerCpp::LexerCpp() : LexerLanguage("\\lexer\\cpp.xml", cppKeys, CountOf(cppKeys)) {}
LexerCsv::LexerCsv() : LexerLanguage("\\lexer\\csv.xml", csvKeys, CountOf(csvKeys)) {}
LexerIni::LexerIni() : LexerLanguage("\\lexer\\ini.xml", iniKeys, CountOf(iniKeys)) {}
LexerHtml::LexerHtml() : LexerLanguage("\\lexer\\html.xml", htmlKeys, CountOf(htmlKeys)) {}
LexerSql::LexerSql() : LexerLanguage("\\lexer\\sql.xml", sqlKeys, CountOf(sqlKeys)) {}
LexerTsv::LexerTsv() : LexerLanguage("\\lexer\\tsv.xml", tsvKeys, CountOf(tsvKeys)) {}
LexerVb6::LexerVb6() : LexerLanguage("\\lexer\\vb6.xml", vb6Keys, CountOf(vb6Keys)) {}
LexerXml::LexerXml() : LexerLanguage("\\lexer\\xml.xml", xmlKeys, CountOf(xmlKeys)) {}
