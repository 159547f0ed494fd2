#include "settingsui/SettingIniDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_INI_SECTION, "section"},
    {IDC_INI_KEY, "key"},
    {IDC_INI_VALUE, "value"},
    {IDC_INI_SEPARATOR, "separator"},
    {IDC_INI_COMMENT, "comment"},
};
}

SettingIniDialog::SettingIniDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Ini(), controls) {}
