#include "settingsui/SettingSqlDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_SQL_COMMENT, "comment"},
    {IDC_SQL_NUMBER, "number"},
    {IDC_SQL_KEYWORD, "keyword"},
    {IDC_SQL_CHARACTER, "character"},
    {IDC_SQL_STRING, "string"},
    {IDC_SQL_OPERATOR, "operator"},
};
}

SettingSqlDialog::SettingSqlDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Sql(), controls) {}
