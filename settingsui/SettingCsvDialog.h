// The CSV colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingCsvDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_CSV;
    explicit SettingCsvDialog(const SettingContext &context);
};
