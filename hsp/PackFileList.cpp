#include "hsp/PackFileList.h"

#include <shellapi.h>

#include <cstdio>

#include "framework/Icon.h"
#include "framework/KernelHandle.h"

namespace {

struct Column {
    const char *header;
    int width;
    int format;
};
const Column columns[] = {
    {"", 20, LVCFMT_LEFT},
    {"暗号化", 60, LVCFMT_CENTER},
    {"ディレクトリ", 300, LVCFMT_LEFT},
    {"ファイル名", 200, LVCFMT_LEFT},
    {"サイズ", 100, LVCFMT_RIGHT},
};
enum { IconColumn, EncryptedColumn, FolderColumn, NameColumn, SizeColumn };
const int iconSize = 16;

// The size in bytes, empty when the file cannot be opened for reading.
std::string SizeText(const char *path) {
    const KernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return std::string();
    char text[32];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(size.QuadPart));
    return text;
}

}

void PackFileList::Prepare() {
    SendMessageA(GetHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int i = 0; i < static_cast<int>(sizeof columns / sizeof columns[0]); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<char *>(columns[i].header);
        column.cx = columns[i].width;
        column.fmt = columns[i].format;
        SendMessageA(GetHandle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    icons_.Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 0, 8);
    SendMessageA(GetHandle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons_.Handle()));
}

void PackFileList::Fill(const std::vector<PackList::Entry> &entries) {
    DeleteAllItems();
    if (icons_.Handle())
        ImageList_RemoveAll(icons_.Handle());
    for (size_t row = 0; row < entries.size(); ++row)
        InsertRow(static_cast<int>(row), entries[row]);
    SendMessageA(GetHandle(), LVM_SETCOLUMNWIDTH, IconColumn, LVSCW_AUTOSIZE);
    SendMessageA(GetHandle(), LVM_SETCOLUMNWIDTH, EncryptedColumn, LVSCW_AUTOSIZE_USEHEADER);
    // Some list views measure the header too narrow for its double-byte text.
    if (SendMessageA(GetHandle(), LVM_GETCOLUMNWIDTH, EncryptedColumn, 0) < columns[EncryptedColumn].width)
        SendMessageA(GetHandle(), LVM_SETCOLUMNWIDTH, EncryptedColumn, columns[EncryptedColumn].width);
}

void PackFileList::InsertRow(int row, const PackList::Entry &entry) {
    SHFILEINFOA shell{};
    SHGetFileInfoA(entry.path.Full(), 0, &shell, sizeof shell, SHGFI_ICON | SHGFI_SMALLICON);
    const Icon icon(shell.hIcon);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<char *>("");
    item.iImage = icon.Handle() && icons_.Handle() ? ImageList_AddIcon(icons_.Handle(), icon.Handle()) : -1;
    SendMessageA(GetHandle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ShowEncrypted(row, entry.encrypted);
    SetItemText(row, FolderColumn, entry.path.DirectoryPart());
    SetItemText(row, NameColumn, entry.path.FilePart());
    SetItemText(row, SizeColumn, SizeText(entry.path.Full()).c_str());
}

void PackFileList::ShowEncrypted(int row, bool encrypted) const { SetItemText(row, EncryptedColumn, encrypted ? "+" : ""); }

std::vector<int> PackFileList::SelectedRows() const {
    std::vector<int> rows;
    for (int row = GetNextSelected(); row >= 0; row = GetNextSelected(row))
        rows.push_back(row);
    return rows;
}

void PackFileList::SelectAll() const {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(GetHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
}

void PackFileList::ReleaseIcons() {
    SendMessageA(GetHandle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    icons_.Reset();
}
