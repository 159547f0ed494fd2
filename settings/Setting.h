// The setting store: the ten setting sections, each read on first use and written back, when
// changed, as the store is destroyed at process exit.
#pragma once

#include <memory>

#include "framework/Object.h"

class SystemFont;
class SelectableMenuItem;
class LexerCommon;
class LexerCpp;
class LexerCsv;
class LexerHsp;
class LexerIni;
class LexerHtml;
class LexerSql;
class LexerTsv;
class LexerVb6;
class LexerXml;

class Setting : public Object {
public:
    explicit Setting(const SystemFont &fonts);
    // Saves the changed sections in order, then deletes them.
    ~Setting() override;
    Setting(const Setting &) = delete;
    Setting &operator=(const Setting &) = delete;

    // Each section loaded (Load(false)) before it is returned.
    LexerCommon &Common();
    LexerCpp &Cpp();
    LexerCsv &Csv();
    LexerHsp &Hsp();
    LexerIni &Ini();
    LexerHtml &Html();
    LexerSql &Sql();
    LexerTsv &Tsv();
    LexerVb6 &Vb6();
    LexerXml &Xml();
    const SelectableMenuItem &MenuItems() const { return *menuItems_; }

    // Saves every changed section now, in order (what the destructor does).
    void SaveAll();

private:
    std::unique_ptr<SelectableMenuItem> menuItems_;
    std::unique_ptr<LexerCommon> common_;
    std::unique_ptr<LexerCpp> cpp_;
    std::unique_ptr<LexerCsv> csv_;
    std::unique_ptr<LexerHsp> hsp_;
    std::unique_ptr<LexerIni> ini_;
    std::unique_ptr<LexerHtml> html_;
    std::unique_ptr<LexerSql> sql_;
    std::unique_ptr<LexerTsv> tsv_;
    std::unique_ptr<LexerVb6> vb6_;
    std::unique_ptr<LexerXml> xml_;
};
