#include "settings/Setting.h"

#include "settings/LexerCommon.h"
#include "settings/LexerHsp.h"
#include "settings/LexerLanguage.h"
#include "settings/SelectableMenuItem.h"

namespace {

template <class Section> Section &Loaded(const std::unique_ptr<Section> &section) {
    section->Load(false);
    return *section;
}

}

Setting::Setting(const SystemFont &fonts)
    : menuItems_(std::make_unique<SelectableMenuItem>()),
      common_(std::make_unique<LexerCommon>(fonts, *menuItems_)),
      cpp_(std::make_unique<LexerCpp>()),
      csv_(std::make_unique<LexerCsv>()),
      hsp_(std::make_unique<LexerHsp>()),
      ini_(std::make_unique<LexerIni>()),
      html_(std::make_unique<LexerHtml>()),
      sql_(std::make_unique<LexerSql>()),
      tsv_(std::make_unique<LexerTsv>()),
      vb6_(std::make_unique<LexerVb6>()),
      xml_(std::make_unique<LexerXml>()) {}

Setting::~Setting() {
    // Runs at process exit: nothing may escape.
    try {
        SaveAll();
    } catch (...) {
    }
}

void Setting::SaveAll() {
    Lexer *const sections[] = {common_.get(), cpp_.get(), csv_.get(), hsp_.get(), ini_.get(),
                               html_.get(),   sql_.get(), tsv_.get(), vb6_.get(), xml_.get()};
    for (Lexer *section : sections)
        section->Save(false);
}

LexerCommon &Setting::Common() { return Loaded(common_); }
LexerCpp &Setting::Cpp() { return Loaded(cpp_); }
LexerCsv &Setting::Csv() { return Loaded(csv_); }
LexerHsp &Setting::Hsp() { return Loaded(hsp_); }
LexerIni &Setting::Ini() { return Loaded(ini_); }
LexerHtml &Setting::Html() { return Loaded(html_); }
LexerSql &Setting::Sql() { return Loaded(sql_); }
LexerTsv &Setting::Tsv() { return Loaded(tsv_); }
LexerVb6 &Setting::Vb6() { return Loaded(vb6_); }
LexerXml &Setting::Xml() { return Loaded(xml_); }
