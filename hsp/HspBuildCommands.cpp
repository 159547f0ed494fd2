// The HSP menu's build commands: object file, start.ax, executable, DPM, build, C conversion,
// the pack file editor and the debug window switch.
#include "hsp/HspCommands.h"

#include <utility>

#include "app/Report.h"
#include "app/System.h"
#include "editor/Document.h"
#include "editor/DocumentView.h"
#include "frame/Workbench.h"
#include "framework/CurrentDirectory.h"
#include "framework/Desktop.h"
#include "framework/DialogManager.h"
#include "framework/KernelHandle.h"
#include "framework/ProgramDirectory.h"
#include "hsp/CompileScript.h"
#include "hsp/CompileTarget.h"
#include "hsp/Hsp.h"
#include "hsp/HspBuildDialog.h"
#include "hsp/HspPackFileDialog.h"
#include "log/Logger.h"
#include "project/ProjectQuery.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"

namespace {

// What each compile command asks for and says when it is done.
struct CompileCommand {
    UINT id;
    bool startAx;
    bool makeExecutable;
    const char *succeeded;
    const char *succeededText;
};
const CompileCommand compileCommands[] = {
    {IDM_HSP_OBJECT_FILE, false, false, "create object file, succeeded.", "オブジェクトファイルの作成に成功しました。"},
    {IDM_HSP_START_AX, true, false, "create start.ax file, succeeded.", "start.ax ファイルの作成に成功しました。"},
    {IDM_HSP_EXECUTABLE, true, true, "build executable file, succeeded.", "実行ファイルの自動作成に成功しました。"},
};

std::string WorkFolder() { return std::string(ProgramDirectory()) + "work\\"; }

// The menu commands compile the document's text as it is now, through "hsptmp".
CompileRequest MenuRequest(const CompileTarget &target, const std::string &object, const std::string &objectDirectory) {
    CompileRequest request;
    request.source = "hsptmp";
    request.object = object;
    request.objectDirectory = objectDirectory;
    request.saveAll = target.saveAll;
    request.temporaryCopy = true;
    request.report = true;
    return request;
}

// An untitled script is compiled from "hsptmp", and its object named after that.
std::string ObjectName(const CompileTarget &target) {
    return std::string(target.path.Name()[0] ? target.path.Name() : "hsptmp") + ".ax";
}

// The file's last write time and size; zeros for a missing file.
std::pair<ULONGLONG, ULONGLONG> Stamp(const std::string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return {0, 0};
    return {(static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime,
            (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

}

void HspCommands::OnCompile(UINT id) {
    if (!hsp_->IsReady())
        return;
    for (const CompileCommand &command : compileCommands) {
        if (command.id != id)
            continue;
        const CompileTarget target = CompileTarget::Choose(workbench_);
        CompileRequest request = MenuRequest(target, command.startAx ? "start.ax" : ObjectName(target), target.path.DirectoryPart());
        request.makeExecutable = command.makeExecutable;
        if (Compile(target, request))
            Tell(workbench_.Handle(), {command.succeeded, nullptr, command.succeededText, MB_ICONINFORMATION});
        else if (command.makeExecutable)
            Tell(workbench_.Handle(), {"build executable file, failed.", nullptr, "実行ファイルの自動作成に失敗しました。", MB_ICONWARNING});
    }
}

void HspCommands::OnConvertToC(UINT) {
    if (!hsp_->IsReady())
        return;
    const CompileTarget target = CompileTarget::Choose(workbench_);
    if (!Compile(target, MenuRequest(target, "convert_to_c.ax", WorkFolder())))
        return;
    const std::string converted = WorkFolder() + "convert_to_c.cpp";
    // The file of an earlier conversion must not pass for this one's result.
    DeleteFileA(converted.c_str());
    if (!Convert())
        return;
    const DWORD attributes = GetFileAttributesA(converted.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        Tell(workbench_.Handle(), {"convert file, failed.", nullptr, "変換に失敗しました。", MB_ICONWARNING, ReportLevel::Error});
        return;
    }
    Tell(workbench_.Handle(), {"convert file, succeeded.", nullptr, "変換に成功しました。", MB_ICONINFORMATION});
    OpenConverted(converted);
}

// hsp3cnv.exe of the home, given work\convert_to_c, waited for until it ends.
bool HspCommands::Convert() const {
    const std::string converter = Home() + "hsp3cnv.exe";
    std::string commandLine = "\"" + WorkFolder() + "convert_to_c\"";
    STARTUPINFOA startup{};
    PROCESS_INFORMATION process{};
    if (!Desktop::Get().StartProcess(converter.c_str(), &commandLine[0], false, 0, nullptr, startup, process)) {
        Tell(workbench_.Handle(), {"could not execute.", nullptr, "実行に失敗しました。", MB_ICONERROR});
        return false;
    }
    const KernelHandle thread(process.hThread);
    const KernelHandle running(process.hProcess);
    WaitForSingleObject(running.Get(), INFINITE);
    return true;
}

// The C source goes into the untitled document, or a new one, and stays untitled.
void HspCommands::OpenConverted(const std::string &converted) {
    const int index = workbench_.UntitledOrNewDocument();
    Document *document = workbench_.Documents().At(index);
    if (!document)
        return;
    if (!document->ReadFile(converted.c_str())) {
        document->ClearAll();
        const std::string text = converted + "\r\n" + "このファイルを開けませんでした";
        Tell(workbench_.Handle(), {"couldn't read file.", converted.c_str(), text.c_str(), MB_ICONERROR, ReportLevel::Warning});
    }
    document->GotoPos(0);
    workbench_.Select(index);
}

bool HspCommands::PackfileFound(const CompileTarget &target) const {
    const std::string packfile = std::string(target.path.DirectoryPart()) + "packfile";
    if (GetFileAttributesA(packfile.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    Tell(workbench_.Handle(), {"couldn't find packfile at current directory.", nullptr,
                               "カレントディレクトリに packfile が見つかりませんでした。", MB_ICONWARNING});
    return false;
}

// Success is the DPM file written by this call: the library's pack step says nothing reliable.
void HspCommands::OnMakeDpm(UINT) {
    if (!hsp_->IsReady())
        return;
    const CompileTarget target = CompileTarget::Choose(workbench_);
    if (!PackfileFound(target))
        return;
    const std::string folder = target.path.DirectoryPart();
    const std::string dpm = folder + "data.dpm";
    const CurrentDirectory current(folder);
    const auto before = Stamp(dpm);
    const std::string output = folder + "data";
    hsp_->Call(Hsp::pack_ini, 0, reinterpret_cast<INT_PTR>(output.c_str()));
    hsp_->Call(Hsp::pack_make, 0, 1);
    const auto after = Stamp(dpm);
    if (after.first != 0 && after != before) {
        Tell(workbench_.Handle(), {"create dmp file, succeeded.", nullptr, "DMPファイルの作成に成功しました。", MB_ICONINFORMATION});
        return;
    }
    std::string text = "DPMファイルの作成に失敗しました。";
    const std::string messages = hsp_->Messages();
    if (!messages.empty())
        text += "\r\n" + messages;
    Tell(workbench_.Handle(), {"create dmp file, failed.", nullptr, text.c_str(), MB_ICONWARNING});
}

void HspCommands::OnBuild(UINT) {
    if (!hsp_->IsReady())
        return;
    const CompileTarget target = CompileTarget::Choose(workbench_);
    if (!PackfileFound(target))
        return;
    const ProjectQuery *project = workbench_.Find<ProjectQuery>();
    const std::string projectName = project && project->IsProjectOpen() ? project->ProjectName() : std::string();
    workbench_.Dialogs().Open<HspBuildDialog>(workbench_.Handle(), *hsp_, Settings(), Home(), target, projectName);
}

void HspCommands::OnPackFile(UINT) {
    if (!hsp_->IsReady())
        return;
    const CompileTarget target = CompileTarget::Choose(workbench_);
    workbench_.Dialogs().Open<HspPackFileDialog>(workbench_.Handle(), std::string(target.path.DirectoryPart()) + "packfile");
}

void HspCommands::OnDebugWindow(UINT) {
    if (!hsp_->IsReady())
        return;
    LexerHsp &hsp = Settings();
    hsp.enableDebugWindow = !hsp.enableDebugWindow;
    hsp.SetModified();
}
