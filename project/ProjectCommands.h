// Projects: the project menu's and the project pane's commands, the pane itself at the left of
// the documents (SidePane), and what the rest of the program asks of the open project
// (ProjectQuery).
#pragma once

#include <memory>

#include "frame/SidePane.h"
#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "project/ProjectQuery.h"

class ProjectFrameWindow;
class Workbench;

class ProjectCommands : public Subsystem, public ProjectQuery, public SidePane {
public:
    explicit ProjectCommands(Workbench &workbench);
    ~ProjectCommands() override;

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;
    void OnFrameCreated() override;
    void OnFrameClosing() override;

    bool IsProjectOpen() const override;
    std::string ProjectName() const override;
    std::string ProjectPath() const override;
    std::string EntryPoint() const override;
    std::string StartupFile() const override;
    bool SaveAllBeforeCompile() const override;
    bool ContainsFile(const char *path) const override;
    std::vector<std::string> ListProjectFiles() const override;
    const ProjectKeywordFiles *KeywordFiles() const override;
    bool OpenProject(const char *path) override;
    void CloseProject() override;

    // Shown exactly while a project is open.
    bool PaneShown() const override;
    int PaneWidth() const override;
    void PlacePane(int x, int y, int width, int height, bool toolBarShown) override;
    void HidePane() override;

    ProjectFrameWindow &Pane() { return *pane_; }

private:
    static const CommandRoute<ProjectCommands> routes[];

    void OnNewProject(UINT id);
    void OnCloseProject(UINT id);
    void OnAddFiles(UINT id);
    void OnAddActiveDocument(UINT id);
    void OnRemoveItem(UINT id);
    void OnSettings(UINT id);
    void OnExpandOrCollapse(UINT id);
    void OnNewFolder(UINT id);
    // After a project was opened or closed: keyword lists, documents, title, menu and layout.
    void ProjectChanged();

    Workbench &workbench_;
    std::unique_ptr<ProjectFrameWindow> pane_;
};
