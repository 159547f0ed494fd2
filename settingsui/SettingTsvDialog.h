// The TSV colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingTsvDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_TSV;
    explicit SettingTsvDialog(const SettingContext &context);
};
