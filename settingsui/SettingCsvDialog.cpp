#include "settingsui/SettingCsvDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_CSV_ODD, "odd"},
    {IDC_CSV_EVEN, "even"},
    {IDC_CSV_SEPARATOR, "separator"},
};
}

SettingCsvDialog::SettingCsvDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Csv(), controls) {}
