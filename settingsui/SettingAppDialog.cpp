#include "settingsui/SettingAppDialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <set>
#include <vector>

#include "client/ClientCatalogue.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "framework/ProgramDirectory.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settingsui/SettingContext.h"

namespace {

const int clientIds[] = {IDC_APP_CLIENT_F5, IDC_APP_CLIENT_F6, IDC_APP_CLIENT_F7, IDC_APP_CLIENT_F8};
const int functionIds[] = {IDC_APP_FUNCTION_F5, IDC_APP_FUNCTION_F6, IDC_APP_FUNCTION_F7, IDC_APP_FUNCTION_F8};
const int typeLength = 16;

struct Column {
    const char *title;
    int width;
};
const Column columns[] = {{"拡張子", 64}, {"処理", 120}, {"アプリケーション／クライアント", 200}};

std::string ClientProgram(const std::string &client) { return std::string(ProgramDirectory()) + "client\\" + client + "\\client.exe"; }

// The program's small icon in the system's image list; a file that is not there gets the icon
// of its kind.
int IconOf(const std::string &program) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (SHGetFileInfoA(program.c_str(), 0, &info, sizeof info, flags))
        return info.iIcon;
    if (SHGetFileInfoA(program.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags | SHGFI_USEFILEATTRIBUTES))
        return info.iIcon;
    return I_IMAGENONE;
}

std::string TextOf(HWND control) {
    char text[MAX_PATH] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// The selected item's text, "" for the empty first entry or no selection.
std::string Chosen(const ComboBox &combo) {
    const int selected = combo.GetCurSel();
    return selected > 0 ? combo.GetItemText(selected) : std::string();
}

}

SettingAppDialog::SettingAppDialog(const SettingContext &context)
    : SettingPage(TemplateId), context_(context),
      table_(context.settings.Common().launchTable, context.settings.Common().clientBindings) {}

ClientCatalogue *SettingAppDialog::Catalogue() const { return context_.workbench.Find<ClientCatalogue>(); }

INT_PTR SettingAppDialog::OnInitDialog(HWND, LPARAM) {
    SendMessageA(Item(IDC_APP_TYPE), EM_LIMITTEXT, typeLength, 0);
    for (int slot = 0; slot < SlotCount; ++slot) {
        clients_[slot].Attach(Item(clientIds[slot]));
        functions_[slot].Attach(Item(functionIds[slot]));
    }
    CheckRadioButton(GetHandle(), IDC_APP_LAUNCH, IDC_APP_EXECUTE, IDC_APP_LAUNCH);
    SelectKind(true);
    SetUpList();
    RefreshList("");
    return FALSE;
}

void SettingAppDialog::SetUpList() {
    list_.Attach(Item(IDC_APP_LIST));
    SendMessageA(list_.GetHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(sizeof columns / sizeof columns[0]); ++i)
        list_.InsertColumn(i, columns[i].title, columns[i].width);
    // The last column takes the rest of the width.
    SendMessageA(list_.GetHandle(), LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE_USEHEADER);
    // The system's own list of small icons: the list view only borrows it (LVS_SHAREIMAGELISTS).
    SHFILEINFOA info{};
    const auto icons = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
        ".exe", FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
    if (icons)
        SendMessageA(list_.GetHandle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
}

INT_PTR SettingAppDialog::OnCommand(WORD code, WORD id, HWND) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (id == clientIds[slot] && code == CBN_SELCHANGE) {
            ClientChosen(slot);
            return TRUE;
        }
    }
    if (id == IDC_APP_TYPE && code == EN_CHANGE) {
        RefreshRegisterCaption();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return FALSE;
    switch (id) {
    case IDC_APP_LAUNCH: SelectKind(true); break;
    case IDC_APP_EXECUTE: SelectKind(false); break;
    case IDC_APP_BROWSE: ChooseApplication(); break;
    case IDC_APP_REGISTER: RegisterEntry(); break;
    case IDC_APP_REMOVE: RemoveEntry(); break;
    default: return FALSE;
    }
    return TRUE;
}

INT_PTR SettingAppDialog::OnNotify(int id, NMHDR *header) {
    if (id != IDC_APP_LIST || header->code != LVN_ITEMCHANGED)
        return FALSE;
    const auto *change = reinterpret_cast<const NMLISTVIEW *>(header);
    if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
        ShowRow(change->iItem);
    return TRUE;
}

void SettingAppDialog::SelectKind(bool launch) {
    EnableWindow(Item(IDC_APP_PATH), launch);
    EnableWindow(Item(IDC_APP_BROWSE), launch);
    if (!launch)
        SetDlgItemTextA(GetHandle(), IDC_APP_PATH, "");
    for (int slot = 0; slot < SlotCount; ++slot) {
        clients_[slot].ResetContent();
        functions_[slot].ResetContent();
        EnableWindow(clients_[slot].GetHandle(), !launch);
        EnableWindow(functions_[slot].GetHandle(), !launch);
    }
    if (!launch)
        ShowClients();
}

void SettingAppDialog::ShowClients() {
    std::vector<std::string> names;
    if (ClientCatalogue *catalogue = Catalogue())
        names = catalogue->ClientNames();
    for (int slot = 0; slot < SlotCount; ++slot) {
        clients_[slot].AddString("");
        for (const std::string &name : names)
            clients_[slot].AddString(name.c_str());
        clients_[slot].SetCurSel(0);
        functions_[slot].AddString("");
        functions_[slot].SetCurSel(0);
    }
}

// Choosing a client asks it for its functions, which starts the client program when it is not
// running yet.
void SettingAppDialog::ClientChosen(int slot) {
    const ComboBox &functions = functions_[slot];
    functions.ResetContent();
    functions.AddString("");
    const std::string client = Chosen(clients_[slot]);
    ClientCatalogue *catalogue = Catalogue();
    if (!client.empty() && catalogue)
        for (const std::string &function : catalogue->FunctionsOf(client))
            functions.AddString(function.c_str());
    functions.SetCurSel(0);
}

void SettingAppDialog::ChooseApplication() {
    char file[MAX_PATH] = "";
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetHandle();
    request.lpstrFilter = "起動アプリケーション\0*.exe\0";
    request.lpstrFile = file;
    request.nMaxFile = sizeof file;
    request.lpstrTitle = "起動アプリケーション選択";
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (Desktop::Get().OpenFileDialog(request))
        SetDlgItemTextA(GetHandle(), IDC_APP_PATH, file);
}

// Selecting a row shows its entry, to be changed and registered again. The bound functions are
// shown without asking the clients for their lists, so that looking starts no program.
void SettingAppDialog::ShowRow(int row) {
    const std::string type = list_.GetItemText(row, 0);
    SetDlgItemTextA(GetHandle(), IDC_APP_TYPE, type.c_str());
    const auto launch = table_.Launch().find(type);
    const bool launching = launch != table_.Launch().end();
    CheckRadioButton(GetHandle(), IDC_APP_LAUNCH, IDC_APP_EXECUTE, launching ? IDC_APP_LAUNCH : IDC_APP_EXECUTE);
    SelectKind(launching);
    if (launching) {
        SetDlgItemTextA(GetHandle(), IDC_APP_PATH, launch->second.c_str());
    } else if (const auto binding = table_.Bind().find(type); binding != table_.Bind().end()) {
        for (int slot = 0; slot < SlotCount; ++slot)
            ShowBinding(slot, binding->second[static_cast<size_t>(slot)]);
    }
    RefreshRegisterCaption();
}

void SettingAppDialog::ShowBinding(int slot, const ClientSlot &binding) {
    if (binding.name.empty())
        return;
    const ComboBox &clients = clients_[slot];
    int index = static_cast<int>(SendMessageA(clients.GetHandle(), CB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(binding.name.c_str())));
    // A client whose folder is gone still shows, so that its binding can be seen and changed.
    if (index <= 0)
        index = clients.AddString(binding.name.c_str());
    clients.SetCurSel(index);
    const ComboBox &functions = functions_[slot];
    functions.SetCurSel(functions.AddString(binding.function.c_str()));
}

std::string SettingAppDialog::SelectedType() const {
    const int selected = list_.GetNextSelected();
    return selected >= 0 ? list_.GetItemText(selected, 0) : std::string();
}

// Registering an entry of the selected row's type changes that entry; any other type is added.
void SettingAppDialog::RefreshRegisterCaption() {
    const std::string selected = SelectedType();
    const bool changing = !selected.empty() && FileTypeTable::Normalized(TextOf(Item(IDC_APP_TYPE))) == selected;
    SetDlgItemTextA(GetHandle(), IDC_APP_REGISTER, changing ? "変更" : "登録");
}

FileTypeEntry SettingAppDialog::Entry() const {
    FileTypeEntry entry;
    entry.type = TextOf(Item(IDC_APP_TYPE));
    entry.launch = IsDlgButtonChecked(GetHandle(), IDC_APP_LAUNCH) == BST_CHECKED;
    entry.application = TextOf(Item(IDC_APP_PATH));
    for (int slot = 0; slot < SlotCount; ++slot)
        entry.slots[static_cast<size_t>(slot)] = {Chosen(clients_[slot]), Chosen(functions_[slot])};
    return entry;
}

void SettingAppDialog::RegisterEntry() {
    const FileTypeEntry entry = Entry();
    const std::string type = FileTypeTable::Normalized(entry.type);
    const std::string selected = SelectedType();
    if (const char *refused = table_.Register(entry, !selected.empty() && type == selected)) {
        Ask(GetHandle(), refused, MB_ICONINFORMATION);
        return;
    }
    RefreshList(type);
}

void SettingAppDialog::RemoveEntry() {
    const std::string selected = SelectedType();
    if (selected.empty())
        return;
    table_.Remove(selected);
    RefreshList("");
}

void SettingAppDialog::RefreshList(const std::string &select) {
    list_.DeleteAllItems();
    std::set<std::string> types;
    for (const auto &entry : table_.Launch())
        types.insert(entry.first);
    for (const auto &entry : table_.Bind())
        types.insert(entry.first);
    int row = 0;
    for (const std::string &type : types) {
        AddRow(row, type);
        if (type == select)
            ListView_SetItemState(list_.GetHandle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ++row;
    }
    RefreshRegisterCaption();
}

// A launch entry shows its application; a binding its keys and their functions, with the icon
// of the first bound client.
void SettingAppDialog::AddRow(int row, const std::string &type) const {
    if (const auto launch = table_.Launch().find(type); launch != table_.Launch().end()) {
        InsertRow(row, {type, "起動  ", launch->second}, launch->second);
        return;
    }
    std::vector<std::string> texts{type, "", ""};
    std::string program;
    const ClientSlots &slots = table_.Bind().at(type);
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        if (slots[slot].name.empty())
            continue;
        texts[1] += (texts[1].empty() ? "" : " ") + std::string("実行F") + std::to_string(slot + 5);
        texts[2] += (texts[2].empty() ? "" : " / ") + slots[slot].name + " - " + slots[slot].function;
        if (program.empty())
            program = ClientProgram(slots[slot].name);
    }
    InsertRow(row, texts, program);
}

void SettingAppDialog::InsertRow(int row, const std::vector<std::string> &texts, const std::string &program) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<char *>(texts[0].c_str());
    item.iImage = program.empty() ? I_IMAGENONE : IconOf(program);
    SendMessageA(list_.GetHandle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (size_t column = 1; column < texts.size(); ++column)
        list_.SetItemText(row, static_cast<int>(column), texts[column].c_str());
}

void SettingAppDialog::Apply() {
    LexerCommon &common = context_.settings.Common();
    if (table_.Matches(common.launchTable, common.clientBindings))
        return;
    common.launchTable = table_.Launch();
    common.clientBindings = table_.Bind();
    common.SetModified();
}
