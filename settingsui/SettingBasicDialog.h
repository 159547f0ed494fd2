// The basic page: the default folder, the editor's colours and font, and the indent settings.
#pragma once

#include "settingsui/ColorComboBox.h"
#include "settingsui/FontChoice.h"
#include "settingsui/SettingPage.h"
#include "settingsui/SettingsUiResources.h"

struct SettingContext;

class SettingBasicDialog : public SettingPage {
public:
    static constexpr int TemplateId = IDD_SETTING_BASIC;
    explicit SettingBasicDialog(const SettingContext &context);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

protected:
    void Apply() override;

private:
    void UseDocumentsFolder();
    void ChooseFolder();
    // Documents never saved take the new default folder as theirs.
    void MoveUntitledDocuments(const char *folder);

    const SettingContext &context_;
    ColorComboBox fontColor_;
    ColorComboBox backColor_;
    ColorComboBox tabAndSpaceColor_;
    FontChoice font_;
};
