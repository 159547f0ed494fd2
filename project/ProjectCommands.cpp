#include "project/ProjectCommands.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/Report.h"
#include "app/System.h"
#include "editor/Document.h"
#include "frame/CommandState.h"
#include "frame/MainMenuBar.h"
#include "frame/Workbench.h"
#include "framework/Desktop.h"
#include "framework/DialogManager.h"
#include "framework/ShiftJis.h"
#include "language/KeywordTables.h"
#include "project/ProjectDialog.h"
#include "project/ProjectFrameWindow.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"

namespace {

LexerCommon &Common() { return System::Get().Settings().Common(); }

// The files chosen in a multi-selection dialog: one full path, or the folder and then each name.
std::vector<std::string> ChosenFiles(const std::string &answer) {
    const char *first = answer.c_str();
    const char *next = first + std::strlen(first) + 1;
    if (!*next)
        return {first};
    std::string folder = first;
    if (!ShiftJis::EndsWithSeparator(folder))
        folder += '\\';
    std::vector<std::string> files;
    for (; *next; next += std::strlen(next) + 1)
        files.push_back(folder + next);
    return files;
}

std::vector<std::string> ChooseFiles(HWND owner, const char *title) {
    std::string answer(8192, '\0');
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = "全てのファイル形式\0*.*\0";
    request.lpstrFile = &answer[0];
    request.nMaxFile = static_cast<DWORD>(answer.size());
    request.lpstrTitle = title;
    request.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return Desktop::Get().OpenFileDialog(request) ? ChosenFiles(answer) : std::vector<std::string>();
}

// The name for a new project file; "" when cancelled.
std::string ChooseNewProjectFile(HWND owner) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = "Tamborel Lexer ( .prj )\0*.prj\0";
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrInitialDir = Common().defaultDirectory;
    request.lpstrTitle = "新規プロジェクト作成";
    request.lpstrDefExt = "prj";
    request.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    return Desktop::Get().SaveFileDialog(request) ? file : "";
}

}

const CommandRoute<ProjectCommands> ProjectCommands::routes[] = {
    {IDM_NEW_PROJECT, IDM_NEW_PROJECT, &ProjectCommands::OnNewProject},
    {IDM_PROJECT_CLOSE, IDM_PROJECT_CLOSE, &ProjectCommands::OnCloseProject},
    {IDM_PROJECT_ADD_FILES, IDM_PROJECT_ADD_AND_OPEN, &ProjectCommands::OnAddFiles},
    {IDM_PROJECT_ADD_ACTIVE, IDM_PROJECT_ADD_ACTIVE, &ProjectCommands::OnAddActiveDocument},
    {IDM_PROJECT_REMOVE_FILE, IDM_PROJECT_REMOVE_FILE, &ProjectCommands::OnRemoveItem},
    {IDM_PROJECT_REMOVE_FOLDER, IDM_PROJECT_REMOVE_FOLDER, &ProjectCommands::OnRemoveItem},
    {IDM_PROJECT_SETTINGS, IDM_PROJECT_SETTINGS, &ProjectCommands::OnSettings},
    {IDM_PROJECT_EXPAND, IDM_PROJECT_COLLAPSE, &ProjectCommands::OnExpandOrCollapse},
    {IDM_PROJECT_NEW_FOLDER, IDM_PROJECT_NEW_FOLDER, &ProjectCommands::OnNewFolder},
};

ProjectCommands::ProjectCommands(Workbench &workbench)
    : workbench_(workbench), pane_(std::make_unique<ProjectFrameWindow>(workbench)) {}

ProjectCommands::~ProjectCommands() = default;

bool ProjectCommands::OnCommand(UINT id) { return DispatchCommand(routes, *this, id); }

void ProjectCommands::UpdateCommandState(CommandState &state) {
    state.EnablePopup(MainMenuBar::ProjectPopup, IsProjectOpen());
}

void ProjectCommands::OnFrameCreated() {
    pane_->Create(workbench_.Handle(), workbench_.Instance(), Common().initialSubviewSizeX);
}

void ProjectCommands::OnFrameClosing() {
    LexerCommon &common = Common();
    common.initialSubviewSizeX = pane_->Width();
    common.SetModified();
    pane_->CloseProject();
}

bool ProjectCommands::IsProjectOpen() const { return pane_->IsOpen(); }
std::string ProjectCommands::ProjectName() const { return pane_->ProjectName(); }
std::string ProjectCommands::ProjectPath() const { return pane_->FileName(); }
std::string ProjectCommands::EntryPoint() const { return pane_->EntryPoint(); }
std::string ProjectCommands::StartupFile() const { return pane_->StartupFile(); }
bool ProjectCommands::SaveAllBeforeCompile() const { return pane_->SaveAll() != 0; }
bool ProjectCommands::ContainsFile(const char *path) const { return pane_->ContainsFile(path); }
std::vector<std::string> ProjectCommands::ListProjectFiles() const { return pane_->ListProjectFiles(); }
const ProjectKeywordFiles *ProjectCommands::KeywordFiles() const { return IsProjectOpen() ? &pane_->KeywordFiles() : nullptr; }

bool ProjectCommands::OpenProject(const char *path) {
    const bool opened = pane_->OpenProject(path);
    ProjectChanged();
    return opened;
}

void ProjectCommands::CloseProject() {
    if (!IsProjectOpen())
        return;
    pane_->CloseProject();
    ProjectChanged();
}

bool ProjectCommands::PaneShown() const { return IsProjectOpen(); }
int ProjectCommands::PaneWidth() const { return pane_->Width(); }

void ProjectCommands::PlacePane(int x, int y, int width, int height, bool toolBarShown) {
    pane_->Place(x, y, width, height, toolBarShown);
}

void ProjectCommands::HidePane() {
    if (pane_->GetHandle())
        pane_->Show(SW_HIDE);
}

// The popup's state is otherwise applied only when a menu opens: the bar shows it at once.
void ProjectCommands::ProjectChanged() {
    const bool open = IsProjectOpen();
    KeywordTables::Shared().ReloadKeywords(KeywordFiles());
    workbench_.RefreshProjectMembership();
    workbench_.MenuBar().EnablePopup(MainMenuBar::ProjectPopup, open);
    DrawMenuBar(workbench_.Handle());
    workbench_.Layout();
}

void ProjectCommands::OnNewProject(UINT) {
    const std::string file = ChooseNewProjectFile(workbench_.Handle());
    if (file.empty())
        return;
    const Path chosen(file.c_str());
    if (ShiftJis::LowerAscii(chosen.Extension()) != ".prj") {
        const std::string text = std::string("プロジェクトファイル作成に失敗しました。") + "\r\n" + chosen.FilePart() + "\r\n" +
                                 "プロジェクトファイルの拡張子は .prj でなければなりません。";
        Tell(workbench_.Handle(), {"extension of the project file has to be 'prj'.", nullptr, text.c_str(), MB_ICONEXCLAMATION,
                                   ReportLevel::Information});
        return;
    }
    // Closed first: closing saves, and would write the open project back over the new one.
    CloseProject();
    if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES)
        DeleteFileA(file.c_str());
    OpenProject(file.c_str());
}

void ProjectCommands::OnCloseProject(UINT) { CloseProject(); }

void ProjectCommands::OnAddFiles(UINT id) {
    const bool open = id == IDM_PROJECT_ADD_AND_OPEN;
    const std::vector<std::string> files =
        ChooseFiles(workbench_.Handle(), open ? "ドキュメントを追加して開く" : "ドキュメントを追加する");
    if (files.empty())
        return;
    for (const std::string &file : files)
        if (pane_->AddFileToProject(file.c_str()) && open)
            workbench_.Open(file.c_str());
    pane_->SaveAndReload();
}

void ProjectCommands::OnAddActiveDocument(UINT) {
    Document *document = workbench_.Current();
    if (!document)
        return;
    if (document->IsUntitled()) {
        Tell(workbench_.Handle(), {"cannot add untitled document into project.", nullptr,
                                   "プロジェクトに無題のドキュメントは追加出来ません。", MB_ICONEXCLAMATION});
        return;
    }
    // The rebuild marks the document as the project's and configures it again.
    if (pane_->AddFileToProject(document->path.Full()))
        pane_->SaveAndReload();
}

void ProjectCommands::OnRemoveItem(UINT) { pane_->RemoveProjectItem(pane_->Tree().GetSelection(), false); }

void ProjectCommands::OnSettings(UINT) {
    if (IsProjectOpen())
        workbench_.Dialogs().Open<ProjectDialog>(workbench_.Handle(), *pane_, workbench_.Documents());
}

void ProjectCommands::OnExpandOrCollapse(UINT id) {
    if (id == IDM_PROJECT_EXPAND)
        pane_->ExpandAll();
    else
        pane_->CollapseAll();
}

void ProjectCommands::OnNewFolder(UINT) { pane_->AddNewFolder(); }
