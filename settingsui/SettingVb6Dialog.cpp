#include "settingsui/SettingVb6Dialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_VB6_COMMENT, "comment"},
    {IDC_VB6_NUMBER, "number"},
    {IDC_VB6_KEYWORD, "keyword"},
    {IDC_VB6_STRING, "string"},
    {IDC_VB6_OPERATOR, "operator"},
    {IDC_VB6_PREPROCESSOR, "preprocessor"},
};
}

SettingVb6Dialog::SettingVb6Dialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Vb6(), controls) {}
