#include "navigation/JumpLabelDialog.h"

#include <string>

#include "navigation/ViewText.h"

namespace {
const COLORREF tint = 0xFFEEEE;
}

JumpLabelDialog::JumpLabelDialog(Workbench &workbench, JumpMemory &memory)
    : JumpLinePage(TemplateId, workbench, memory, 3, tint) {}

void JumpLabelDialog::Refresh() {
    Document *target = Target();
    if (!target)
        return;
    const ViewText text(*target);
    Begin(*target);
    SourceScan::LineCounter lines(text.Bytes());
    for (SourceScan::Label &label : SourceScan::FindLabels(text)) {
        const int line = static_cast<int>(lines.LineOf(label.asterisk));
        AddRow({"", std::to_string(line + 1), std::move(label.text)}, line);
    }
    Finish(*target, text);
}
