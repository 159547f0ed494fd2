// The edit menu's commands on the view the user works in: undo and redo, the clipboard, caret
// jumps, case, comments, the NULL character, tab expansion, completion and code tips.
#pragma once

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"

class Document;
class Workbench;

class EditorCommands : public Subsystem {
public:
    explicit EditorCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;

private:
    static const CommandRoute<EditorCommands> routes[];

    void OnEdit(UINT id);
    void OnEditText(UINT id);
    void OnCodeComplete(UINT id);
    void OnCodeTip(UINT id);

    Workbench &workbench_;
};
