#include "settingsui/SettingMenuDialog.h"

#include "frame/MainMenuBar.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "settings/LexerCommon.h"
#include "settings/SelectableMenuItem.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

SettingMenuDialog::SettingMenuDialog(const SettingContext &context) : SettingPage(TemplateId), context_(context) {}

INT_PTR SettingMenuDialog::OnInitDialog(HWND, LPARAM) {
    contextMenu_.Attach(Item(IDC_MENU_CONTEXT_LIST));
    candidates_.Attach(Item(IDC_MENU_CANDIDATES));
    toolbar_.Attach(Item(IDC_MENU_TOOLBAR_LIST));
    const SelectableMenuItem &table = context_.settings.MenuItems();
    std::vector<int> every;
    for (int i = 0; i < SelectableMenuItem::Count; ++i)
        every.push_back(table[i].id);
    Fill(candidates_, every);
    const LexerCommon &common = context_.settings.Common();
    Fill(contextMenu_, common.contextMenuItems);
    Fill(toolbar_, common.toolbarItems);
    return FALSE;
}

void SettingMenuDialog::Fill(const ListBox &list, const std::vector<int> &ids) const {
    const MainMenuBar &bar = context_.workbench.MenuBar();
    for (int id : ids) {
        const int index = list.AddString(bar.ItemText(id).c_str());
        list.SetItemData(index, id);
    }
}

INT_PTR SettingMenuDialog::OnCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED)
        return FALSE;
    switch (id) {
    case IDC_MENU_CONTEXT_INSERT: Insert(contextMenu_); break;
    case IDC_MENU_TOOLBAR_INSERT: Insert(toolbar_); break;
    case IDC_MENU_CONTEXT_DOWN: Move(contextMenu_, 1); break;
    case IDC_MENU_CONTEXT_UP: Move(contextMenu_, -1); break;
    case IDC_MENU_TOOLBAR_DOWN: Move(toolbar_, 1); break;
    case IDC_MENU_TOOLBAR_UP: Move(toolbar_, -1); break;
    case IDC_MENU_CONTEXT_REMOVE: Remove(contextMenu_); break;
    case IDC_MENU_TOOLBAR_REMOVE: Remove(toolbar_); break;
    default: return FALSE;
    }
    return TRUE;
}

// The chosen candidate goes in front of the list's selected item, or at its end when none is
// selected; the new item is then the selected one.
void SettingMenuDialog::Insert(const ListBox &list) const {
    const int candidate = candidates_.GetCurSel();
    if (candidate < 0)
        return;
    if (list.GetCount() >= MaxItems) {
        Ask(GetHandle(), "アイテムは最大数を越えています。", MB_ICONINFORMATION);
        return;
    }
    const int at = list.InsertString(list.GetCurSel(), candidates_.GetItemText(candidate).c_str());
    list.SetItemData(at, candidates_.GetItemData(candidate));
    list.SetCurSel(at);
}

void SettingMenuDialog::Move(const ListBox &list, int step) const {
    const int from = list.GetCurSel();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= list.GetCount())
        return;
    const std::string text = list.GetItemText(from);
    const LPARAM id = list.GetItemData(from);
    list.DeleteString(from);
    list.InsertString(to, text.c_str());
    list.SetItemData(to, id);
    list.SetCurSel(to);
}

void SettingMenuDialog::Remove(const ListBox &list) const {
    const int selected = list.GetCurSel();
    if (selected < 0)
        return;
    list.DeleteString(selected);
    list.SetCurSel(selected < list.GetCount() ? selected : list.GetCount() - 1);
}

std::vector<int> SettingMenuDialog::Ids(const ListBox &list) const {
    std::vector<int> ids;
    for (int i = 0; i < list.GetCount(); ++i)
        ids.push_back(static_cast<int>(list.GetItemData(i)));
    return ids;
}

void SettingMenuDialog::Apply() {
    LexerCommon &common = context_.settings.Common();
    const std::vector<int> contextMenu = Ids(contextMenu_);
    const std::vector<int> toolbar = Ids(toolbar_);
    if (contextMenu == common.contextMenuItems && toolbar == common.toolbarItems)
        return;
    common.contextMenuItems = contextMenu;
    common.toolbarItems = toolbar;
    common.SetModified();
}
