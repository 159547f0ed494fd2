#include "language/Configure.h"

#include <vector>

#include "editor/Vessary.h"
#include "language/FileTypes.h"
#include "language/FixedKeywords.h"
#include "language/KeywordTables.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"

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
     {{1, LexerCpp::CommentBlock}, {2, LexerCpp::CommentLine}, {3, LexerCpp::CommentBlock}, {4, LexerCpp::Number},
      {5, LexerCpp::Keyword}, {6, LexerCpp::String}, {7, LexerCpp::Character}, {9, LexerCpp::Preprocessor},
      {10, LexerCpp::Operator}}},
    {{FileTypes::Html}, {Words::Html}, "",
     [](Setting &s) -> LexerLanguage & { return s.Html(); },
     {{0, LexerHtml::Default}, {1, LexerHtml::Tag}, {3, LexerHtml::Attribute}, {5, LexerHtml::Number},
      {6, LexerHtml::DoubleString}, {7, LexerHtml::SingleString}, {8, LexerHtml::Operator}, {9, LexerHtml::Comment},
      {10, LexerHtml::Entity}, {2, LexerHtml::Unknown}, {4, LexerHtml::Unknown}, {11, LexerHtml::Tag}}},
    {{FileTypes::Xml}, {Words::Empty}, "",
     [](Setting &s) -> LexerLanguage & { return s.Xml(); },
     {{0, LexerXml::Default}, {1, LexerXml::Tag}, {3, LexerXml::Attribute}, {5, LexerXml::Default},
      {6, LexerXml::String}, {7, LexerXml::String}, {8, LexerXml::Operator}, {9, LexerXml::Comment},
      {10, LexerXml::Entity}, {2, LexerXml::Tag}, {4, LexerXml::Attribute}, {11, LexerXml::Tag},
      {17, LexerXml::Default}, {12, LexerXml::Tag}, {13, LexerXml::Tag}}},
    {{FileTypes::Sql}, {Words::Sql}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Sql(); },
     {{1, LexerSql::Comment}, {2, LexerSql::Comment}, {3, LexerSql::Comment}, {4, LexerSql::Number},
      {5, LexerSql::Keyword}, {6, LexerSql::String}, {7, LexerSql::Character}, {10, LexerSql::Operator}}},
    {{FileTypes::VisualBasic}, {Words::Vb6}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Vb6(); },
     {{1, LexerVb6::Comment}, {2, LexerVb6::Number}, {3, LexerVb6::Keyword}, {4, LexerVb6::String},
      {6, LexerVb6::Operator}, {5, LexerVb6::Preprocessor}}},
    {{FileTypes::Hsp},
     {Words::HspFunctions, Words::HspCommands, Words::HspMacros, Words::HspDirectives, Words::HspSystemVariables,
      Words::HspReservedWords, Words::Win32Api, Words::Plugins, Words::User},
     wordSetB,
     [](Setting &s) -> LexerLanguage & { return s.Hsp(); },
     {{20, LexerHsp::User}, {2, LexerHsp::CommentBlock}, {3, LexerHsp::CommentLine}, {4, LexerHsp::Number},
      {6, LexerHsp::String}, {7, LexerHsp::String}, {8, LexerHsp::Character}, {9, LexerHsp::Label},
      {10, LexerHsp::Label}, {5, LexerHsp::Function}, {13, LexerHsp::Command}, {14, LexerHsp::Macro},
      {15, LexerHsp::Preprocessor}, {16, LexerHsp::SystemVariable}, {17, LexerHsp::Prereserved},
      {18, LexerHsp::Win32api}, {19, LexerHsp::Hpi}, {11, LexerHsp::Operator}}},
    {{FileTypes::Ini, FileTypes::Project}, {}, wordSetA,
     [](Setting &s) -> LexerLanguage & { return s.Ini(); },
     {{2, LexerIni::Section}, {3, LexerIni::Key}, {5, LexerIni::Value}, {4, LexerIni::Separator},
      {1, LexerIni::Comment}}},
    {{FileTypes::Csv}, {}, "",
     [](Setting &s) -> LexerLanguage & { return s.Csv(); },
     {{0, LexerCsv::Odd}, {1, LexerCsv::Even}, {2, LexerCsv::Separator}}},
    {{FileTypes::Tsv}, {}, "",
     [](Setting &s) -> LexerLanguage & { return s.Tsv(); },
     {{0, LexerTsv::Odd}, {2, LexerTsv::Even}}},
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
