// The VB6/VBA colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingVb6Dialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_VB6;
    explicit SettingVb6Dialog(const SettingContext &context);
};
