#include "navigation/JumpPrepDialog.h"

#include <string>

#include "navigation/JumpMemory.h"
#include "navigation/ViewText.h"

namespace {

const COLORREF tint = 0xDDEEFF;
const char *const kindNames[JumpMemory::kindCount] = {"cfunc",    "cmd",     "comfunc", "const",
                                                      "defcfunc", "deffunc", "define",  "enum",
                                                      "func",     "modcfunc", "modfunc", "usecom"};
const int kindListWidth = 104;

}

JumpPrepDialog::JumpPrepDialog(Workbench &workbench, JumpMemory &memory)
    : JumpLinePage(TemplateId, workbench, memory, 5, tint) {}

INT_PTR JumpPrepDialog::OnInitDialog(HWND focus, LPARAM param) {
    kinds_.Attach(Item(IDC_JUMP_KINDS));
    const DWORD style = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageA(kinds_.GetHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    kinds_.InsertColumn(0, "", 0);
    for (int i = 0; i < JumpMemory::kindCount; ++i) {
        kinds_.InsertItem(i, kindNames[i]);
        ListView_SetCheckState(kinds_.GetHandle(), i, memory_.kinds[i] ? TRUE : FALSE);
    }
    SendMessageA(kinds_.GetHandle(), LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    return JumpLinePage::OnInitDialog(focus, param);
}

void JumpPrepDialog::Arrange(int width, int height, int listRight) {
    MoveWindow(kinds_.GetHandle(), width - margin - kindListWidth, margin, kindListWidth, height - 2 * margin, TRUE);
    JumpLinePage::Arrange(width, height, width - margin - kindListWidth - gap);
}

void JumpPrepDialog::ReadKinds() {
    for (int i = 0; i < JumpMemory::kindCount; ++i)
        memory_.kinds[i] = ListView_GetCheckState(kinds_.GetHandle(), i) != FALSE;
}

void JumpPrepDialog::Refresh() {
    ReadKinds();
    Document *target = Target();
    if (!target)
        return;
    std::vector<std::string> checked;
    for (int i = 0; i < JumpMemory::kindCount; ++i)
        if (memory_.kinds[i])
            checked.push_back(kindNames[i]);
    const ViewText text(*target);
    Begin(*target);
    SourceScan::LineCounter lines(text.Bytes());
    for (SourceScan::DirectiveRow &row : SourceScan::FindDirectiveRows(text, checked)) {
        const int line = static_cast<int>(lines.LineOf(row.directive));
        AddRow({"", std::to_string(line + 1), std::move(row.keyword), std::move(row.scope), std::move(row.name)}, line);
    }
    Finish(*target, text);
}
