#include "navigation/JumpLinePage.h"

#include "Scintilla.h"

#include "language/FileTypes.h"
#include "navigation/NavigationResources.h"
#include "navigation/SourceScan.h"

namespace {

const int previewWidth = 400;
const int previewHeight = 80;

}

INT_PTR JumpLinePage::OnInitDialog(HWND, LPARAM) {
    list_.Setup(GetHandle(), IDC_JUMP_LIST, columns_, tint_);
    if (preview_.Create(GetHandle(), -1, nullptr)) {
        preview_.ApplyBaseConfiguration();
        preview_.SetUndoCollection(false);
        ConfigurePreview(FileTypes::Hsp);
        MoveWindow(preview_.GetHandle(), margin, margin, previewWidth, previewHeight, FALSE);
        preview_.Show(SW_SHOW);
    }
    RECT client;
    GetClientRect(GetHandle(), &client);
    Arrange(client.right, client.bottom, client.right - margin);
    return FALSE;
}

void JumpLinePage::ConfigurePreview(int language) {
    preview_.SetLanguage(language);
    preview_.Configure();
    preview_.SetHScrollBar(true);
    preview_.SetVScrollBar(true);
    preview_.SetMarginWidthN(2, 0);
    preview_.SetYCaretPolicy(CARET_STRICT | CARET_EVEN, 0);
}

INT_PTR JumpLinePage::OnSize(WPARAM, WORD width, WORD height) {
    Arrange(width, height, width - margin);
    return 0;
}

void JumpLinePage::Arrange(int width, int height, int listRight) {
    const int top = margin + previewHeight + gap;
    MoveWindow(list_.GetHandle(), margin, top, listRight - margin, height - top - margin, TRUE);
}

INT_PTR JumpLinePage::OnNotify(int id, NMHDR *header) {
    LRESULT result = 0;
    if (list_.Answer(*header, result))
        return Answer(result);
    if (id != IDC_JUMP_LIST)
        return 0;
    if (header->code == static_cast<UINT>(NM_CLICK) || header->code == static_cast<UINT>(NM_DBLCLK)) {
        const int row = reinterpret_cast<NMITEMACTIVATE *>(header)->iItem;
        if (row < 0 || row >= static_cast<int>(lines_.size()))
            return 0;
        if (header->code == static_cast<UINT>(NM_DBLCLK))
            GotoLineCentred(lines_[static_cast<size_t>(row)]);
        else
            ShowInPreview(row);
    } else if (header->code == LVN_ITEMCHANGED) {
        // The keyboard moves the selection too; the preview follows it.
        const auto *change = reinterpret_cast<NMLISTVIEW *>(header);
        if (change->iItem >= 0 && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
            ShowInPreview(change->iItem);
    }
    return 0;
}

void JumpLinePage::ShowInPreview(int row) {
    if (row >= 0 && row < static_cast<int>(lines_.size()))
        preview_.GotoLine(lines_[static_cast<size_t>(row)]);
}

void JumpLinePage::Begin(const Document &target) {
    caretLine_ = static_cast<int>(target.LineFromPosition(target.GetCurrentPos()));
    chosen_ = 0;
    lines_.clear();
    list_.Clear();
}

void JumpLinePage::AddRow(std::vector<std::string> cells, int line) {
    list_.AddRow(std::move(cells));
    lines_.push_back(line);
    if (line <= caretLine_)
        chosen_ = static_cast<int>(lines_.size()) - 1;
}

void JumpLinePage::Finish(const Document &target, const StyledText &text) {
    list_.Show();
    list_.Choose(chosen_);
    const std::string_view bytes = text.Bytes();
    preview_.SetReadOnly(false);
    preview_.ClearAll();
    // Emptied first: configuring colours the whole text.
    if (preview_.Language() != target.Language())
        ConfigurePreview(target.Language());
    preview_.AddText(bytes.data(), static_cast<Vessary::Position>(bytes.size()));
    preview_.SetReadOnly(true);
    ShowInPreview(chosen_);
    if (IsWindowVisible(GetHandle()))
        list_.SetFocus();
}

void JumpLinePage::Shown() { list_.SetFocus(); }
