#include "hsp/HspPackFileDialog.h"

#include <commdlg.h>

#include <cstring>

#include "app/Report.h"
#include "framework/Desktop.h"
#include "framework/FileBytes.h"
#include "framework/ShiftJis.h"
#include "hsp/HspResources.h"

namespace {
// Room for many chosen files at once (the dialog fails outright when they do not fit).
const size_t chosenFilesCapacity = 65536;
}

HspPackFileDialog::HspPackFileDialog(const std::string &packfile) : Dialog(TemplateId, true), packList_(packfile) {}

INT_PTR HspPackFileDialog::OnInitDialog(HWND, LPARAM) {
    list_.Attach(Item(IDC_HSP_PACK_LIST));
    list_.Prepare();
    packList_.Load();
    Refill();
    list_.SetFocus();
    return FALSE;
}

INT_PTR HspPackFileDialog::OnCommand(WORD, WORD id, HWND) {
    switch (id) {
    case IDC_HSP_PACK_ADD: AddFiles(); break;
    case IDC_HSP_PACK_ENCRYPT: SetEncrypted(true); break;
    case IDC_HSP_PACK_DECRYPT: SetEncrypted(false); break;
    case IDC_HSP_PACK_DELETE: DeleteSelected(); break;
    case IDC_HSP_PACK_SELECT_ALL:
        list_.SelectAll();
        list_.SetFocus();
        break;
    case IDOK:
        if (Save())
            Finish(IDOK);
        break;
    case IDCANCEL: Finish(IDCANCEL); break;
    default: return FALSE;
    }
    return TRUE;
}

void HspPackFileDialog::Refill() { list_.Fill(packList_.Entries()); }

// Files added here are stored encrypted until told otherwise.
void HspPackFileDialog::AddFiles() {
    std::string files(chosenFilesCapacity, '\0');
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetHandle();
    request.lpstrFilter = "全てのファイル\0*.*\0";
    request.lpstrFile = &files[0];
    request.nMaxFile = static_cast<DWORD>(files.size());
    request.lpstrInitialDir = packList_.Folder().c_str();
    request.lpstrTitle = "追加ファイル選択";
    request.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!Desktop::Get().OpenFileDialog(request))
        return;
    // One file: its full path. Several: the folder, then each name, all zero-separated.
    const char *first = files.c_str();
    const char *next = first + std::strlen(first) + 1;
    if (!*next) {
        packList_.Add(first, true);
    } else {
        std::string folder = first;
        if (!ShiftJis::EndsWithSeparator(folder))
            folder += '\\';
        for (; *next; next += std::strlen(next) + 1)
            packList_.Add(folder + next, true);
    }
    Refill();
}

void HspPackFileDialog::SetEncrypted(bool encrypted) {
    for (int row : list_.SelectedRows()) {
        packList_.SetEncrypted(row, encrypted);
        list_.ShowEncrypted(row, encrypted);
    }
    list_.SetFocus();
}

void HspPackFileDialog::DeleteSelected() {
    packList_.Remove(list_.SelectedRows());
    Refill();
}

bool HspPackFileDialog::Save() {
    const FileBytes::Outcome outcome = FileBytes::Replace(packList_.File().c_str(), packList_.Format());
    if (outcome.saved)
        return true;
    std::string text = packList_.File() + "\r\n" + "packfile に保存できませんでした";
    if (!outcome.kept.empty())
        text += std::string("\r\n") + "保存した内容は次のファイルに残っています：" + "\r\n" + outcome.kept;
    Tell(GetHandle(), {"couldn't save packfile.", packList_.File().c_str(), text.c_str(), MB_ICONERROR});
    return false;
}

void HspPackFileDialog::Finish(INT_PTR result) {
    list_.ReleaseIcons();
    Close(result);
}
