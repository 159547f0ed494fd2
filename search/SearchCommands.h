// The search menu: the search dialog in its find or replace mode, and the find-next and
// find-previous keys, which search again for the latest keyword without asking anything.
#pragma once

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "search/SearchState.h"

class Workbench;

class SearchCommands : public Subsystem {
public:
    explicit SearchCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;

private:
    static const CommandRoute<SearchCommands> routes[];

    void OnFind(UINT id);
    void OnFindAgain(UINT id);
    void ShowDialog();

    Workbench &workbench_;
    SearchState state_;
};
