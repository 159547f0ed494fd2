// The SQL colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingSqlDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_SQL;
    explicit SettingSqlDialog(const SettingContext &context);
};
