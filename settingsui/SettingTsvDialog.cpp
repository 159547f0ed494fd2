#include "settingsui/SettingTsvDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_TSV_ODD, "odd"},
    {IDC_TSV_EVEN, "even"},
};
}

SettingTsvDialog::SettingTsvDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Tsv(), controls) {}
