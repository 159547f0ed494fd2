// The C/C++ colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingCppDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_CPP;
    explicit SettingCppDialog(const SettingContext &context);
};
