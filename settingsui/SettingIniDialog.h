// The INI colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingIniDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_INI;
    explicit SettingIniDialog(const SettingContext &context);
};
