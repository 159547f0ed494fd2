#include "settingsui/SettingHspDialog.h"

#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "settingsui/PageControls.h"
#include "settingsui/SettingContext.h"

namespace {
const ColorControl controls[] = {
    {IDC_HSP_NUMBER, "number"},
    {IDC_HSP_STRING, "string"},
    {IDC_HSP_CHARACTER, "character"},
    {IDC_HSP_LABEL, "label"},
    {IDC_HSP_OPERATOR, "operator"},
    {IDC_HSP_COMMENT_BLOCK, "comment_block"},
    {IDC_HSP_COMMENT_LINE, "comment_line"},
    {IDC_HSP_USER, "user"},
    {IDC_HSP_COMMAND, "command"},
    {IDC_HSP_FUNCTION, "function"},
    {IDC_HSP_MACRO, "macro"},
    {IDC_HSP_SYSTEM_VARIABLE, "system_variable"},
    {IDC_HSP_PREPROCESSOR, "preprocessor"},
    {IDC_HSP_PRERESERVED, "prereserved"},
    {IDC_HSP_HPI, "hpi"},
    {IDC_HSP_WIN32API, "win32api"},
};
}

SettingHspDialog::SettingHspDialog(const SettingContext &context)
    : SettingColorsPage(TemplateId, context, context.settings.Hsp(), controls), hsp_(context.settings.Hsp()) {}

INT_PTR SettingHspDialog::OnInitDialog(HWND focus, LPARAM param) {
    SettingColorsPage::OnInitDialog(focus, param);
    HWND commandline = Item(IDC_HSP_DEBUG_COMMANDLINE);
    SendMessageA(commandline, EM_LIMITTEXT, sizeof hsp_.debugCommandline - 1, 0);
    SetWindowTextA(commandline, hsp_.debugCommandline);
    return FALSE;
}

void SettingHspDialog::Apply() {
    bool changed = StoreColors();
    changed |= PageControls::StoreText(Item(IDC_HSP_DEBUG_COMMANDLINE), hsp_.debugCommandline, sizeof hsp_.debugCommandline);
    if (changed)
        hsp_.SetModified();
}
