#include "navigation/JumpList.h"

#include <algorithm>
#include <numeric>

namespace {

// The widest texts are among the longest in bytes: measuring those sizes a column as well as
// measuring every row, at a fraction of the cost.
const size_t measuredRows = 256;
const int padding = 14;
const int firstColumnWidth = 6;

}

void JumpList::Setup(HWND dialog, int id, int columns, COLORREF tint) {
    Attach(GetDlgItem(dialog, id));
    columns_ = columns;
    tint_ = tint;
    SendMessageA(GetHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH;
        column.fmt = i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = i == 0 ? firstColumnWidth : 40;
        SendMessageA(GetHandle(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void JumpList::Clear() {
    cells_.clear();
    SendMessageA(GetHandle(), LVM_SETITEMCOUNT, 0, 0);
}

void JumpList::AddRow(std::vector<std::string> cells) {
    cells.resize(static_cast<size_t>(columns_));
    for (std::string &cell : cells)
        cells_.push_back(std::move(cell));
}

const std::string &JumpList::Cell(int row, int column) const {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column)];
}

void JumpList::Show() {
    SendMessageA(GetHandle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(Rows()), 0);
    for (int column = 0; column < columns_; ++column)
        SendMessageA(GetHandle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), ColumnWidth(column));
    InvalidateRect(GetHandle(), nullptr, TRUE);
}

int JumpList::ColumnWidth(int column) const {
    std::vector<int> rows(static_cast<size_t>(Rows()));
    std::iota(rows.begin(), rows.end(), 0);
    const size_t measured = std::min(rows.size(), measuredRows);
    std::partial_sort(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(measured), rows.end(),
                      [&](int a, int b) { return Cell(a, column).size() > Cell(b, column).size(); });
    HDC dc = GetDC(GetHandle());
    HGDIOBJ old = SelectObject(dc, GetFont());
    int widest = 0;
    for (size_t i = 0; i < measured; ++i) {
        const std::string &text = Cell(rows[i], column);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(GetHandle(), dc);
    // The first column is kept narrow while it stays empty (it is where the keyword list names
    // files).
    return widest > 0 ? widest + padding : (column == 0 ? firstColumnWidth : padding);
}

void JumpList::Choose(int row) {
    if (row < 0 || row >= Rows())
        return;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(GetHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    RECT bounds{LVIR_BOUNDS};
    SendMessageA(GetHandle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds));
    const auto top = static_cast<int>(SendMessageA(GetHandle(), LVM_GETTOPINDEX, 0, 0));
    SendMessageA(GetHandle(), LVM_SCROLL, 0, (row - top) * (bounds.bottom - bounds.top));
}

bool JumpList::Answer(NMHDR &header, LRESULT &result) const {
    if (header.hwndFrom != GetHandle())
        return false;
    if (header.code == LVN_GETDISPINFOA) {
        LVITEMA &item = reinterpret_cast<NMLVDISPINFOA &>(header).item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < Rows() && item.iSubItem >= 0 && item.iSubItem < columns_)
            item.pszText = const_cast<char *>(Cell(item.iItem, item.iSubItem).c_str());
        result = 0;
        return true;
    }
    if (header.code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
    auto &draw = reinterpret_cast<NMLVCUSTOMDRAW &>(header);
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
    } else {
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec % 2 == 0)
            draw.clrTextBk = tint_;
        result = CDRF_DODEFAULT;
    }
    return true;
}
