#include "settingsui/SettingXmlDialog.h"

#include "settings/LexerLanguage.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_XML_DEFAULT, "default"},
    {IDC_XML_TAG, "tag"},
    {IDC_XML_ATTRIBUTE, "attribute"},
    {IDC_XML_STRING, "string"},
    {IDC_XML_OPERATOR, "operator"},
    {IDC_XML_COMMENT, "comment"},
    {IDC_XML_ENTITY, "entity"},
};
}

SettingXmlDialog::SettingXmlDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Xml(), controls) {}
