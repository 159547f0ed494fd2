#include "language/Configure.h"

#include <vector>

#include "SciLexer.h"

#include "editor/Vessary.h"
#include "language/FileTypes.h"
#include "language/FixedKeywords.h"
#include "language/KeywordTables.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "vessary/VessaryMessages.h"

namespace {

const char wordSetA[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
const char wordSetB[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#_";

enum class Words {
    Empty, Cpp, Html, Sql, Vb6, HspFunctions, HspCommands, HspMacros, HspDirectives,
    HspSystemVariables, HspReservedWords, Win32Api, Plugins, User
};

struct StyleColor {
    int style;
    int color; // index into the section's colors
};

struct LanguageBlock {
    std::vector<int> lexers;
    // Keyword set n is the n-th entry.
    std::vector<Words> keywordSets;
    const char *wordCharacters;
    LexerLanguage &(*section)(Setting &);
    std::vector<StyleColor> styles;
};

const LanguageBlock blocks[] = {
    {{FileTypes::Cpp}, {Words::Cpp}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Cpp(); },
     {{SCE_C_COMMENT, LexerCpp::CommentBlock}, {SCE_C_COMMENTLINE, LexerCpp::CommentLine},
      {SCE_C_COMMENTDOC, LexerCpp::CommentBlock}, {SCE_C_NUMBER, LexerCpp::Number}, {SCE_C_WORD, LexerCpp::Keyword},
      {SCE_C_STRING, LexerCpp::String}, {SCE_C_CHARACTER, LexerCpp::Character},
      {SCE_C_PREPROCESSOR, LexerCpp::Preprocessor}, {SCE_C_OPERATOR, LexerCpp::Operator}}},
    {{FileTypes::Html}, {Words::Html}, "",
     [](Setting &s) -> LexerLanguage & { return s.Html(); },
     {{SCE_H_DEFAULT, LexerHtml::Default}, {SCE_H_TAG, LexerHtml::Tag}, {SCE_H_ATTRIBUTE, LexerHtml::Attribute},
      {SCE_H_NUMBER, LexerHtml::Number}, {SCE_H_DOUBLESTRING, LexerHtml::DoubleString},
      {SCE_H_SINGLESTRING, LexerHtml::SingleString}, {SCE_H_OTHER, LexerHtml::Operator},
      {SCE_H_COMMENT, LexerHtml::Comment}, {SCE_H_ENTITY, LexerHtml::Entity}, {SCE_H_TAGUNKNOWN, LexerHtml::Unknown},
      {SCE_H_ATTRIBUTEUNKNOWN, LexerHtml::Unknown}, {SCE_H_TAGEND, LexerHtml::Tag}}},
    {{FileTypes::Xml}, {Words::Empty}, "",
     [](Setting &s) -> LexerLanguage & { return s.Xml(); },
     {{SCE_H_DEFAULT, LexerXml::Default}, {SCE_H_TAG, LexerXml::Tag}, {SCE_H_ATTRIBUTE, LexerXml::Attribute},
      {SCE_H_NUMBER, LexerXml::Default}, {SCE_H_DOUBLESTRING, LexerXml::String}, {SCE_H_SINGLESTRING, LexerXml::String},
      {SCE_H_OTHER, LexerXml::Operator}, {SCE_H_COMMENT, LexerXml::Comment}, {SCE_H_ENTITY, LexerXml::Entity},
      {SCE_H_TAGUNKNOWN, LexerXml::Tag}, {SCE_H_ATTRIBUTEUNKNOWN, LexerXml::Attribute}, {SCE_H_TAGEND, LexerXml::Tag},
      {SCE_H_CDATA, LexerXml::Default}, {SCE_H_XMLSTART, LexerXml::Tag}, {SCE_H_XMLEND, LexerXml::Tag}}},
    {{FileTypes::Sql}, {Words::Sql}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Sql(); },
     {{SCE_SQL_COMMENT, LexerSql::Comment}, {SCE_SQL_COMMENTLINE, LexerSql::Comment},
      {SCE_SQL_COMMENTDOC, LexerSql::Comment}, {SCE_SQL_NUMBER, LexerSql::Number}, {SCE_SQL_WORD, LexerSql::Keyword},
      {SCE_SQL_STRING, LexerSql::String}, {SCE_SQL_CHARACTER, LexerSql::Character},
      {SCE_SQL_OPERATOR, LexerSql::Operator}}},
    {{FileTypes::VisualBasic}, {Words::Vb6}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Vb6(); },
     {{SCE_B_COMMENT, LexerVb6::Comment}, {SCE_B_NUMBER, LexerVb6::Number}, {SCE_B_KEYWORD, LexerVb6::Keyword},
      {SCE_B_STRING, LexerVb6::String}, {SCE_B_OPERATOR, LexerVb6::Operator},
      {SCE_B_PREPROCESSOR, LexerVb6::Preprocessor}}},
    {{FileTypes::Hsp},
     {Words::HspFunctions, Words::HspCommands, Words::HspMacros, Words::HspDirectives, Words::HspSystemVariables,
      Words::HspReservedWords, Words::Win32Api, Words::Plugins, Words::User},
     wordSetB,
     [](Setting &s) -> LexerLanguage & { return s.Hsp(); },
     {{VSHSP_USER, LexerHsp::User}, {VSHSP_COMMENTBLOCK, LexerHsp::CommentBlock},
      {VSHSP_COMMENTLINE, LexerHsp::CommentLine}, {VSHSP_NUMBER, LexerHsp::Number}, {VSHSP_STRING, LexerHsp::String},
      {VSHSP_MULTISTRING, LexerHsp::String}, {VSHSP_CHARACTER, LexerHsp::Character}, {VSHSP_LABEL, LexerHsp::Label},
      {VSHSP_LABELREF, LexerHsp::Label}, {VSHSP_FUNCTION, LexerHsp::Function}, {VSHSP_COMMAND, LexerHsp::Command},
      {VSHSP_MACRO, LexerHsp::Macro}, {VSHSP_PREPROCESSOR, LexerHsp::Preprocessor},
      {VSHSP_SYSVAR, LexerHsp::SystemVariable}, {VSHSP_PRERESERVED, LexerHsp::Prereserved},
      {VSHSP_WIN32API, LexerHsp::Win32api}, {VSHSP_PLUGIN, LexerHsp::Hpi}, {VSHSP_OPERATOR, LexerHsp::Operator}}},
    {{FileTypes::Ini, FileTypes::Project}, {}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Ini(); },
     {{VSINI_SECTION, LexerIni::Section}, {VSINI_KEY, LexerIni::Key}, {VSINI_VALUE, LexerIni::Value},
      {VSINI_SEPARATOR, LexerIni::Separator}, {VSINI_COMMENT, LexerIni::Comment}}},
    {{FileTypes::Csv}, {}, "",
     [](Setting &s) -> LexerLanguage & { return s.Csv(); },
     {{VSCSV_ODD, LexerCsv::Odd}, {VSCSV_EVEN, LexerCsv::Even}, {VSCSV_SEPARATOR, LexerCsv::Separator}}},
    {{FileTypes::Tsv}, {}, "",
     [](Setting &s) -> LexerLanguage & { return s.Tsv(); },
     {{VSTSV_ODD, LexerTsv::Odd}, {VSTSV_EVEN, LexerTsv::Even}}},
};

const LanguageBlock *BlockOf(int lexer) {
    for (const LanguageBlock &block : blocks) {
        for (const int number : block.lexers) {
            if (number == lexer)
                return &block;
        }
    }
    return nullptr;
}

const char *WordsOf(Words words, bool inProject, const KeywordTables &keywords) {
    switch (words) {
    case Words::Empty: return "";
    case Words::Cpp: return FixedKeywords::cpp;
    case Words::Html: return FixedKeywords::html;
    case Words::Sql: return FixedKeywords::sql;
    case Words::Vb6: return FixedKeywords::vb6;
    case Words::HspFunctions: return FixedKeywords::hspFunctions;
    case Words::HspCommands: return FixedKeywords::hspCommands;
    case Words::HspMacros: return FixedKeywords::hspMacros;
    case Words::HspDirectives: return FixedKeywords::hspDirectives;
    case Words::HspSystemVariables: return FixedKeywords::hspSystemVariables;
    case Words::HspReservedWords: return FixedKeywords::hspReservedWords;
    case Words::Win32Api: return keywords.Win32Api().c_str();
    case Words::Plugins: return keywords.Plugins().c_str();
    case Words::User: return keywords.UserKeywords(inProject).c_str();
    }
    return "";
}

void ApplyBlock(Vessary &view, const LanguageBlock &block, bool inProject, Setting &settings,
                const SystemColor &colors, const KeywordTables &keywords) {
    for (size_t set = 0; set < block.keywordSets.size(); ++set)
        view.SetKeywords(static_cast<int>(set), WordsOf(block.keywordSets[set], inProject, keywords));
    view.SetWordChars(block.wordCharacters);
    for (const StyleColor &style : block.styles) {
        const LexerLanguage &section = block.section(settings);
        const size_t index = static_cast<size_t>(style.color);
        if (index < section.colors.size())
            view.StyleSetFore(style.style, colors.Lookup(section.colors[index]));
    }
}

}

void Configure(Vessary &view, int lexer, bool inProject, Setting &settings, const SystemColor &colors,
               const KeywordTables &keywords) {
    view.SetLexer(lexer);
    view.ApplyDefaultStyle(settings.Common(), colors);
    if (const LanguageBlock *block = BlockOf(lexer))
        ApplyBlock(view, *block, inProject, settings, colors, keywords);
    view.Colourise(0, -1);
    view.ApplyEditorSettings(settings.Common(), colors);
}

void ConfigureForAnalysis(Vessary &view) {
    view.SetCodePage(932);
    view.SetCharsDefault();
    view.SetLexer(FileTypes::Hsp);
    view.SetKeywords(3, FixedKeywords::hspDirectives);
    view.SetKeywords(5, FixedKeywords::hspReservedWords);
}
