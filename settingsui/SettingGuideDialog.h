// The guide page: tool tip and sub-view colours, the line and text carets, code tip triggers,
// the line-number ruler and the document tabs' font.
#pragma once

#include "settingsui/ColorComboBox.h"
#include "settingsui/FontChoice.h"
#include "settingsui/SettingPage.h"
#include "settingsui/SettingsUiResources.h"

struct SettingContext;

class SettingGuideDialog : public SettingPage {
public:
    static constexpr int TemplateId = IDD_SETTING_GUIDE;
    explicit SettingGuideDialog(const SettingContext &context);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

protected:
    void Apply() override;

private:
    void FillTransparency(int opacity) const;
    bool StoreTransparency(int &opacity) const;

    const SettingContext &context_;
    ColorComboBox tooltipFont_;
    ColorComboBox tooltipBack_;
    ColorComboBox subviewFont_;
    ColorComboBox subviewBack_;
    ColorComboBox overCaret_;
    ColorComboBox sideCaret_;
    ColorComboBox rulerFont_;
    ColorComboBox rulerBorder_;
    FontChoice tabFont_;
};
