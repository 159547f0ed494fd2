#include "settingsui/SettingCppDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_CPP_COMMENT_LINE, "comment_line"},
    {IDC_CPP_COMMENT_BLOCK, "comment_block"},
    {IDC_CPP_NUMBER, "number"},
    {IDC_CPP_KEYWORD, "keyword"},
    {IDC_CPP_STRING, "string"},
    {IDC_CPP_CHARACTER, "character"},
    {IDC_CPP_PREPROCESSOR, "preprocessor"},
    {IDC_CPP_OPERATOR, "operator"},
};
}

SettingCppDialog::SettingCppDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Cpp(), controls) {}
