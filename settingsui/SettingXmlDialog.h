// The XML colours of the language page.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class SettingXmlDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_XML;
    explicit SettingXmlDialog(const SettingContext &context);
};
