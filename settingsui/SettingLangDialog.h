// The language page: a tab per language, each a colour page of its own. The settings dialog's
// page messages reach the language pages through this one.
#pragma once

#include "settingsui/SettingPage.h"
#include "settingsui/SettingsUiResources.h"
#include "settingsui/TabbedPages.h"

struct SettingContext;

class SettingLangDialog : public SettingPage {
public:
    static constexpr int TemplateId = IDD_SETTING_LANG;
    enum Language { Cpp, Csv, Hsp, Html, Ini, Sql, Tsv, Vb6, Xml };

    explicit SettingLangDialog(const SettingContext &context);
    ~SettingLangDialog() override;

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;

    SettingPage *Page(Language language) const { return pages_.Page(language); }

protected:
    void Apply() override;
    void Discard() override;

private:
    const SettingContext &context_;
    TabbedPages pages_;
};
