#include "settingsui/SettingDialog.h"

#include <memory>

#include "app/System.h"
#include "frame/Workbench.h"
#include "settingsui/SettingAppDialog.h"
#include "settingsui/SettingBasicDialog.h"
#include "settingsui/SettingGuideDialog.h"
#include "settingsui/SettingLangDialog.h"
#include "settingsui/SettingMenuDialog.h"
#include "settingsui/SettingsUiResources.h"

SettingDialog::SettingDialog(Workbench &workbench, const SystemFont &fonts, bool modal)
    : Dialog(TemplateId, modal), swatches_(System::Get().Colors()),
      context_{workbench, System::Get().Settings(), System::Get().Colors(), fonts, swatches_.Handle()} {}

SettingDialog::~SettingDialog() = default;

INT_PTR SettingDialog::OnInitDialog(HWND, LPARAM) {
    pages_.Attach(Item(IDC_SETTING_TAB));
    pages_.Add("基本", std::make_unique<SettingBasicDialog>(context_));
    pages_.Add("ガイド", std::make_unique<SettingGuideDialog>(context_));
    pages_.Add("言語 色", std::make_unique<SettingLangDialog>(context_));
    pages_.Add("メニュー", std::make_unique<SettingMenuDialog>(context_));
    pages_.Add("起動／実行", std::make_unique<SettingAppDialog>(context_));
    pages_.ShowSelected();
    return TRUE;
}

INT_PTR SettingDialog::OnCommand(WORD, WORD id, HWND) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    Finish(id == IDOK);
    return TRUE;
}

INT_PTR SettingDialog::OnNotify(int id, NMHDR *header) {
    if (id != IDC_SETTING_TAB || header->code != static_cast<UINT>(TCN_SELCHANGE))
        return FALSE;
    pages_.ShowSelected();
    return TRUE;
}

void SettingDialog::Finish(bool apply) {
    pages_.Tell(apply ? SettingPage::ApplyMessage : SettingPage::CloseMessage);
    pages_.Clear();
    if (apply)
        context_.workbench.ApplySettings();
    Close(apply ? IDOK : IDCANCEL);
}
