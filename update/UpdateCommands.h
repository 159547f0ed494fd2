// The update check command: asks the maker's server whether a newer version exists.
#pragma once

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"

class Workbench;

class UpdateCommands : public Subsystem {
public:
    explicit UpdateCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;

private:
    static const CommandRoute<UpdateCommands> routes[];

    void OnUpdateCheck(UINT id);

    Workbench &workbench_;
};
