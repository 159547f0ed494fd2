// The HSP menu: the compiler library of the HSP home (loaded at start-up and from the home
// dialog), the commands that compile, pack and convert scripts, the HSP dialogs and the tools of
// the home. Every command but the home dialog needs the library; their menu items are greyed
// while it is not loaded.
#pragma once

#include <memory>
#include <string>

#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "hsp/CompilerReports.h"
#include "hsp/HspServices.h"

class Hsp;
class LexerHsp;
class Workbench;
struct CompileRequest;
struct CompileTarget;

class HspCommands : public Subsystem, public HspServices {
public:
    explicit HspCommands(Workbench &workbench);
    ~HspCommands() override;

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;
    void OnEditNotification(Document &view, const SCNotification &notification) override;

    // At start-up, before the frame is shown: the home dialog when asked for, else the library
    // of the home, with a warning and the home dialog when it is missing or unusable.
    void StartUp();
    void ShowHomeDialog();
    Hsp &Compiler() { return *hsp_; }
    CompilerReports &Reports() { return reports_; }
    bool HomeValid() const override;
    void ShowCompilerReport(HWND owner, const std::string &version, const std::string &messages) override;

private:
    static const CommandRoute<HspCommands> routes[];

    static LexerHsp &Settings();
    static std::string Home();
    // CompileScript, then the report of its errors or the end of an earlier error mark.
    bool Compile(const CompileTarget &target, const CompileRequest &request);
    bool PackfileFound(const CompileTarget &target) const;

    // Build commands (HspBuildCommands.cpp).
    void OnCompile(UINT id);
    void OnConvertToC(UINT id);
    bool Convert() const;
    void OpenConverted(const std::string &converted);
    void OnMakeDpm(UINT id);
    void OnBuild(UINT id);
    void OnPackFile(UINT id);
    void OnDebugWindow(UINT id);

    // Dialogs and tools.
    void OnHome(UINT id);
    void OnReservedWords(UINT id);
    void OnSamples(UINT id);
    void OnOpenSampleFolder(UINT id);
    void OnTool(UINT id);

    Workbench &workbench_;
    std::unique_ptr<Hsp> hsp_;
    CompilerReports reports_;
};
