// The edit menu's "HTMLに変換": the view the user works in becomes a coloured HTML page.
#pragma once

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"

class Workbench;

class HtmlCommands : public Subsystem {
public:
    explicit HtmlCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;

private:
    static const CommandRoute<HtmlCommands> routes[];

    void OnConvert(UINT id);

    Workbench &workbench_;
};
