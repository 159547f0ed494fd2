// The position page of the jump dialog: go to a line and column, or to a byte offset, of the
// target. It starts from the caret's place.
#pragma once

#include <string>

#include "navigation/JumpPage.h"
#include "navigation/NavigationResources.h"

class JumpPosDialog : public JumpPage {
public:
    static constexpr int TemplateId = IDD_JUMP_POSITION;

    JumpPosDialog(Workbench &workbench, JumpMemory &memory) : JumpPage(TemplateId, workbench, memory) {}

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    void Refresh() override;
    void Shown() override;

private:
    void GoToLineAndColumn();
    void GoToOffset();
    // The box's text; empty boxes get the focus.
    std::string Field(int id) const;
    void SetField(int id, long long value) const;
    void Go(long long position) const;
};
