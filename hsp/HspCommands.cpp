#include "hsp/HspCommands.h"

#include <shlwapi.h>

#include "app/Report.h"
#include "app/System.h"
#include "editor/Document.h"
#include "frame/CommandState.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "framework/DialogManager.h"
#include "framework/ShiftJis.h"
#include "hsp/CompileScript.h"
#include "hsp/CompileTarget.h"
#include "hsp/CompilerLoading.h"
#include "hsp/Hsp.h"
#include "hsp/HspHomeDialog.h"
#include "hsp/HspReservedKwDialog.h"
#include "hsp/HspSmpViewerDialog.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"

namespace {

// The HSP items of the menus and the tool bar, all greyed without a compiler library.
const UINT libraryCommands[] = {
    IDM_HSP_START_AX, IDM_HSP_OBJECT_FILE, IDM_HSP_EXECUTABLE, IDM_HSP_DPM, IDM_HSP_BUILD, IDM_HSP_C_SOURCE,
    IDM_HSP_PACKFILE, IDM_HSP_DEBUG_WINDOW, IDM_HSP_AHT_MANAGER, IDM_HSP_HSPLET, IDM_HSP_HSPTV, IDM_HSP_KEYWORD,
    IDM_HSP_MANUAL, IDM_HSP_DEMO, IDM_HSP_RESERVED_KEYWORDS, IDM_HSP_SAMPLES, IDM_OPEN_SAMPLE_FOLDER,
};

// The tools of the HSP home, each started only when its file is there.
struct Tool {
    UINT id;
    const char *file;
};
const Tool tools[] = {
    {IDM_HSP_KEYWORD, "hsphelp\\helpman.exe"}, {IDM_HSP_MANUAL, "index.htm"}, {IDM_HSP_DEMO, "hsp3demo.exe"},
    {IDM_HSP_AHT_MANAGER, "ahtman.exe"},       {IDM_HSP_HSPLET, "hsplet3.exe"}, {IDM_HSP_HSPTV, "hsptv.exe"},
};
const size_t keywordCapacity = 63;

// The selection, or the word at the caret; at most 63 bytes, never half a character.
std::string HelpKeyword(Document &view) {
    std::string word = view.GetSelText();
    if (word.empty()) {
        const Vessary::Position caret = view.GetCurrentPos();
        word = view.GetTextRange(view.WordStartPosition(caret, true), view.WordEndPosition(caret, true));
    }
    word.resize(ShiftJis::WholeLength(word.data(), word.size() < keywordCapacity ? word.size() : keywordCapacity));
    return word;
}

}

const CommandRoute<HspCommands> HspCommands::routes[] = {
    {IDM_HSP_OBJECT_FILE, IDM_HSP_EXECUTABLE, &HspCommands::OnCompile},
    {IDM_HSP_START_AX, IDM_HSP_START_AX, &HspCommands::OnCompile},
    {IDM_HSP_C_SOURCE, IDM_HSP_C_SOURCE, &HspCommands::OnConvertToC},
    {IDM_HSP_DPM, IDM_HSP_DPM, &HspCommands::OnMakeDpm},
    {IDM_HSP_BUILD, IDM_HSP_BUILD, &HspCommands::OnBuild},
    {IDM_HSP_PACKFILE, IDM_HSP_PACKFILE, &HspCommands::OnPackFile},
    {IDM_HSP_DEBUG_WINDOW, IDM_HSP_DEBUG_WINDOW, &HspCommands::OnDebugWindow},
    {IDM_HSP_HOME, IDM_HSP_HOME, &HspCommands::OnHome},
    {IDM_HSP_RESERVED_KEYWORDS, IDM_HSP_RESERVED_KEYWORDS, &HspCommands::OnReservedWords},
    {IDM_HSP_SAMPLES, IDM_HSP_SAMPLES, &HspCommands::OnSamples},
    {IDM_OPEN_SAMPLE_FOLDER, IDM_OPEN_SAMPLE_FOLDER, &HspCommands::OnOpenSampleFolder},
    {IDM_HSP_KEYWORD, IDM_HSP_KEYWORD, &HspCommands::OnTool},
    {IDM_HSP_MANUAL, IDM_HSP_MANUAL, &HspCommands::OnTool},
    {IDM_HSP_DEMO, IDM_HSP_DEMO, &HspCommands::OnTool},
    {IDM_HSP_AHT_MANAGER, IDM_HSP_HSPTV, &HspCommands::OnTool},
};

HspCommands::HspCommands(Workbench &workbench) : workbench_(workbench), hsp_(std::make_unique<Hsp>()), reports_(workbench) {}

HspCommands::~HspCommands() = default;

LexerHsp &HspCommands::Settings() { return System::Get().Settings().Hsp(); }
std::string HspCommands::Home() { return Settings().homeDirectory; }

bool HspCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void HspCommands::UpdateCommandState(CommandState &state) {
    for (UINT id : libraryCommands)
        state.Enable(id, hsp_->IsReady());
    state.Check(IDM_HSP_DEBUG_WINDOW, Settings().enableDebugWindow);
}

void HspCommands::OnEditNotification(Document &view, const SCNotification &notification) {
    reports_.OnEditNotification(view, notification);
}

bool HspCommands::HomeValid() const { return hsp_->IsReady(); }

void HspCommands::StartUp() {
    const LexerHsp &hsp = Settings();
    if (hsp.homePrompt) {
        ShowHomeDialog();
        return;
    }
    if (!hsp.homeDirectory[0])
        return;
    const std::string compiler = Home() + "hspcmp.dll";
    if (GetFileAttributesA(compiler.c_str()) == INVALID_FILE_ATTRIBUTES)
        Tell(nullptr, {"couldn't find hsp compiler", compiler.c_str(), "ＨＳＰコンパイラが見つかりません。", MB_ICONWARNING});
    else if (LoadCompiler(nullptr, *hsp_, Home()))
        return;
    ShowHomeDialog();
}

void HspCommands::ShowHomeDialog() {
    workbench_.Dialogs().Open<HspHomeDialog>(workbench_.Handle(), Settings(), *hsp_);
    workbench_.RefreshStatus();
}

void HspCommands::ShowCompilerReport(HWND owner, const std::string &version, const std::string &messages) {
    ReportOrigin origin;
    if (Document *current = workbench_.Current()) {
        origin.target = current->IsUntitled() ? "" : current->path.Full();
        origin.sourceView = current->GetHandle();
    }
    reports_.Show(owner, version, messages, origin);
}

bool HspCommands::Compile(const CompileTarget &target, const CompileRequest &request) {
    const CompileResult result = CompileScript(workbench_, *hsp_, Home(), target, request);
    reports_.AfterCompile(target, result);
    return result.succeeded;
}

void HspCommands::OnHome(UINT) { ShowHomeDialog(); }

void HspCommands::OnReservedWords(UINT) {
    if (hsp_->IsReady())
        workbench_.Dialogs().Open<HspReservedKwDialog>(workbench_.Handle(), hsp_->ListReservedWords(Home()));
}

void HspCommands::OnSamples(UINT) {
    if (hsp_->IsReady())
        workbench_.Dialogs().Open<HspSmpViewerDialog>(workbench_.Handle(), workbench_, *hsp_, Home());
}

void HspCommands::OnOpenSampleFolder(UINT) {
    const std::string folder = Home() + "sample\\";
    if (HomeValid() && PathIsDirectoryA(folder.c_str()))
        Desktop::Get().ShellOpen(workbench_.Handle(), "open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void HspCommands::OnTool(UINT id) {
    if (!hsp_->IsReady())
        return;
    for (const Tool &tool : tools) {
        const std::string path = Home() + tool.file;
        if (tool.id != id || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue;
        Document *view = workbench_.ActiveView();
        const std::string keyword = id == IDM_HSP_KEYWORD && view ? HelpKeyword(*view) : std::string();
        Desktop::Get().ShellOpen(workbench_.Handle(), "open", path.c_str(), keyword.empty() ? nullptr : keyword.c_str(),
                                 nullptr, SW_SHOWNORMAL);
    }
}
