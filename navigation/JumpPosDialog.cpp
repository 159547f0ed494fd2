#include "navigation/JumpPosDialog.h"

#include <cstdlib>

#include "editor/Document.h"

namespace {

struct Limit {
    int id;
    int characters;
};
const Limit limits[] = {{IDC_JUMP_LINE, 7}, {IDC_JUMP_COLUMN, 7}, {IDC_JUMP_OFFSET, 10}};

long long Clamp(long long value, long long low, long long high) { return value < low ? low : (value > high ? high : value); }

}

INT_PTR JumpPosDialog::OnInitDialog(HWND, LPARAM) {
    for (const Limit &limit : limits)
        SendDlgItemMessageA(GetHandle(), limit.id, EM_LIMITTEXT, static_cast<WPARAM>(limit.characters), 0);
    return FALSE;
}

INT_PTR JumpPosDialog::OnCommand(WORD code, WORD id, HWND) {
    if (code != BN_CLICKED)
        return FALSE;
    if (id == IDC_JUMP_GO_LINE)
        GoToLineAndColumn();
    else if (id == IDC_JUMP_GO_OFFSET)
        GoToOffset();
    else
        return FALSE;
    return TRUE;
}

void JumpPosDialog::Refresh() {
    if (Document *target = Target()) {
        const Vessary::Position caret = target->GetCurrentPos();
        const Vessary::Position line = target->LineFromPosition(caret);
        SetField(IDC_JUMP_LINE, line + 1);
        SetField(IDC_JUMP_COLUMN, caret - target->PositionFromLine(line));
        SetField(IDC_JUMP_OFFSET, caret);
    }
    Shown();
}

void JumpPosDialog::Shown() {
    HWND line = Item(IDC_JUMP_LINE);
    ::SetFocus(line);
    SendMessageA(line, EM_SETSEL, 0, -1);
}

std::string JumpPosDialog::Field(int id) const {
    char text[16] = "";
    GetDlgItemTextA(GetHandle(), id, text, sizeof text);
    if (!text[0])
        ::SetFocus(Item(id));
    return text;
}

void JumpPosDialog::SetField(int id, long long value) const { SetDlgItemTextA(GetHandle(), id, std::to_string(value).c_str()); }

void JumpPosDialog::GoToLineAndColumn() {
    Document *target = Target();
    const std::string line = Field(IDC_JUMP_LINE);
    if (!target || line.empty())
        return;
    const std::string column = Field(IDC_JUMP_COLUMN);
    if (column.empty())
        return;
    // A line past the end is the last line, as a column past the end is the line's end.
    const long long index = Clamp(std::atoll(line.c_str()) - 1, 0, target->GetLineCount() - 1);
    const Vessary::Position start = target->PositionFromLine(index);
    const long long width = target->GetLineEndPosition(index) - start;
    Go(start + Clamp(std::atoll(column.c_str()), 0, width));
}

void JumpPosDialog::GoToOffset() {
    const std::string offset = Field(IDC_JUMP_OFFSET);
    if (!offset.empty())
        Go(std::atoll(offset.c_str()));
}

void JumpPosDialog::Go(long long position) const {
    Document *target = Target();
    if (!target)
        return;
    target->GotoPos(static_cast<Vessary::Position>(Clamp(position, 0, target->GetLength())));
    target->ScrollCaret();
    target->GrabFocus();
}
