#include "settingsui/SettingHtmlDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_HTML_DEFAULT, "default"},
    {IDC_HTML_TAG, "tag"},
    {IDC_HTML_ATTRIBUTE, "attribute"},
    {IDC_HTML_NUMBER, "number"},
    {IDC_HTML_OPERATOR, "operator"},
    {IDC_HTML_SINGLE_STRING, "single_string"},
    {IDC_HTML_DOUBLE_STRING, "double_string"},
    {IDC_HTML_COMMENT, "comment"},
    {IDC_HTML_ENTITY, "entity"},
    {IDC_HTML_UNKNOWN, "unknown"},
};
}

SettingHtmlDialog::SettingHtmlDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Html(), controls) {}
