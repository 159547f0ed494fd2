// The HTML colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingHtmlDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_HTML;
    explicit SettingHtmlDialog(const SettingContext &context);
};
