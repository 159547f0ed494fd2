// The definition page of the jump dialog: the directives of the checked kinds that open a line
// of the target, with their scope words and the names they define. A change of the check boxes
// takes effect at the next reload and is remembered for the rest of the run.
#pragma once

#include "framework/ListCtrl.h"
#include "navigation/JumpLinePage.h"
#include "navigation/NavigationResources.h"

class JumpPrepDialog : public JumpLinePage {
public:
    static constexpr int TemplateId = IDD_JUMP_DEFINITION;

    JumpPrepDialog(Workbench &workbench, JumpMemory &memory);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    void Refresh() override;

    const ListCtrl &Kinds() const { return kinds_; }

private:
    void Arrange(int width, int height, int listRight) override;
    void ReadKinds();

    ListCtrl kinds_;
};
