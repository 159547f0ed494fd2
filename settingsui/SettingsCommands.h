// The settings command: the settings dialog over the frame.
#pragma once

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"

class Workbench;

class SettingsCommands : public Subsystem {
public:
    explicit SettingsCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;

private:
    static const CommandRoute<SettingsCommands> routes[];

    void OnSettings(UINT id);

    Workbench &workbench_;
};
