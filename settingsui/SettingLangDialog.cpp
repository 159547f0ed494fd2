#include "settingsui/SettingLangDialog.h"

#include <memory>

#include "settingsui/SettingCppDialog.h"
#include "settingsui/SettingCsvDialog.h"
#include "settingsui/SettingHspDialog.h"
#include "settingsui/SettingHtmlDialog.h"
#include "settingsui/SettingIniDialog.h"
#include "settingsui/SettingSqlDialog.h"
#include "settingsui/SettingTsvDialog.h"
#include "settingsui/SettingVb6Dialog.h"
#include "settingsui/SettingXmlDialog.h"

SettingLangDialog::SettingLangDialog(const SettingContext &context) : SettingPage(TemplateId), context_(context) {}

SettingLangDialog::~SettingLangDialog() = default;

INT_PTR SettingLangDialog::OnInitDialog(HWND, LPARAM) {
    pages_.Attach(Item(IDC_LANG_TAB));
    pages_.Add("C/C++", std::make_unique<SettingCppDialog>(context_));
    pages_.Add("CSV", std::make_unique<SettingCsvDialog>(context_));
    pages_.Add("HSP", std::make_unique<SettingHspDialog>(context_));
    pages_.Add("HTML", std::make_unique<SettingHtmlDialog>(context_));
    pages_.Add("INI", std::make_unique<SettingIniDialog>(context_));
    pages_.Add("SQL", std::make_unique<SettingSqlDialog>(context_));
    pages_.Add("TSV", std::make_unique<SettingTsvDialog>(context_));
    pages_.Add("VB6/VBA", std::make_unique<SettingVb6Dialog>(context_));
    pages_.Add("XML", std::make_unique<SettingXmlDialog>(context_));
    pages_.ShowSelected();
    return FALSE;
}

INT_PTR SettingLangDialog::OnNotify(int id, NMHDR *header) {
    if (id != IDC_LANG_TAB || header->code != static_cast<UINT>(TCN_SELCHANGE))
        return FALSE;
    pages_.ShowSelected();
    return TRUE;
}

void SettingLangDialog::Apply() { pages_.Tell(ApplyMessage); }
void SettingLangDialog::Discard() { pages_.Tell(CloseMessage); }
