// The label page of the jump dialog, shown twice (labels and chameleon labels): every label
// definition of the target, by line.
#pragma once

#include "navigation/JumpLinePage.h"
#include "navigation/NavigationResources.h"

class JumpLabelDialog : public JumpLinePage {
public:
    static constexpr int TemplateId = IDD_JUMP_LABEL;

    JumpLabelDialog(Workbench &workbench, JumpMemory &memory);

    void Refresh() override;
};
