#include "hsp/HspCommands.h"

#include <shlwapi.h>

#include <string>

#include "app/Report.h"
#include "app/System.h"
#include "frame/CommandState.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "hsp/Hsp.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {
LexerHsp &Settings() { return System::Get().Settings().Hsp(); }
}

const CommandRoute<HspCommands> HspCommands::routes[] = {
    {IDM_OPEN_SAMPLE_FOLDER, IDM_OPEN_SAMPLE_FOLDER, &HspCommands::OnOpenSampleFolder},
    {IDM_HSP_DEBUG_WINDOW, IDM_HSP_DEBUG_WINDOW, &HspCommands::OnDebugWindow},
};

HspCommands::HspCommands(Workbench &workbench)
    : workbench_(workbench), hsp_(std::make_unique<Hsp>(&System::Get().GetLogger())) {}

HspCommands::~HspCommands() = default;

bool HspCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void HspCommands::UpdateCommandState(CommandState &state) {
    state.Check(IDM_HSP_DEBUG_WINDOW, Settings().enableDebugWindow);
}

void HspCommands::StartUp() {
    const LexerHsp &hsp = Settings();
    if (hsp.homePrompt) {
        ShowHomeDialog();
        return;
    }
    if (!hsp.homeDirectory[0])
        return;
    const std::string compiler = std::string(hsp.homeDirectory) + "hspcmp.dll";
    if (GetFileAttributesA(compiler.c_str()) != INVALID_FILE_ATTRIBUTES) {
        homeValid_ = hsp_->Load(compiler.c_str());
        return;
    }
    Tell(nullptr, {"couldn't find hsp compiler", compiler.c_str(), "ＨＳＰコンパイラが見つかりません。", MB_ICONWARNING});
    ShowHomeDialog();
}

void HspCommands::ShowHomeDialog() {}

void HspCommands::ShowCompilerReport(HWND, const std::string &, const std::string &) {}

void HspCommands::OnOpenSampleFolder(UINT) {
    if (!homeValid_)
        return;
    const std::string folder = std::string(Settings().homeDirectory) + "sample\\";
    if (PathIsDirectoryA(folder.c_str()))
        Desktop::Get().ShellOpen(workbench_.Handle(), "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void HspCommands::OnDebugWindow(UINT) {
    LexerHsp &hsp = Settings();
    hsp.enableDebugWindow = !hsp.enableDebugWindow;
    hsp.SetModified();
}
