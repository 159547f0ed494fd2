// The HSP menu: the compiler library of the HSP home (loaded at start-up), and the commands
// that compile, pack and run scripts and start the HSP tools. Every command but the home dialog
// needs the library.
#pragma once

#include <memory>
#include <string>

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "hsp/HspServices.h"

class Hsp;
class Workbench;

class HspCommands : public Subsystem, public HspServices {
public:
    explicit HspCommands(Workbench &workbench);
    ~HspCommands() override;

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;

    // At start-up, once the frame is shown: the home dialog when asked for, else the library of
    // the home, with a warning and the home dialog when it is missing.
    void StartUp();
    void ShowHomeDialog();
    Hsp &Compiler() { return *hsp_; }
    bool HomeValid() const override { return homeValid_; }
    void ShowCompilerReport(HWND owner, const std::string &version, const std::string &messages) override;

private:
    static const CommandRoute<HspCommands> routes[];

    void OnOpenSampleFolder(UINT id);
    void OnDebugWindow(UINT id);

    Workbench &workbench_;
    std::unique_ptr<Hsp> hsp_;
    bool homeValid_ = false;
};
