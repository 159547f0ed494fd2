// The HSP colours of the language page, and the command line a debug run passes to the script.
#pragma once

#include "settingsui/SettingColorsPage.h"
#include "settingsui/SettingsUiResources.h"

class LexerHsp;

class SettingHspDialog : public SettingColorsPage {
public:
    static constexpr int TemplateId = IDD_SETTING_HSP;
    explicit SettingHspDialog(const SettingContext &context);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;

protected:
    void Apply() override;

private:
    LexerHsp &hsp_;
};
