// A stand-in for the project part: an open project with an entry point, a save-all flag and a
// list of files. Added to a frame with AddSubsystem, so that Find<ProjectQuery>() gives it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "frame/Subsystem.h"
#include "project/ProjectQuery.h"

class ProjectDouble : public Subsystem, public ProjectQuery {
public:
    std::string name = "game";
    std::string entry;
    bool saveAll = true;
    std::vector<std::string> files;

    bool IsProjectOpen() const override { return true; }
    std::string ProjectName() const override { return name; }
    std::string ProjectPath() const override { return ""; }
    std::string EntryPoint() const override { return entry; }
    std::string StartupFile() const override { return ""; }
    bool SaveAllBeforeCompile() const override { return saveAll; }
    bool ContainsFile(const char *path) const override {
        return path && *path && std::find(files.begin(), files.end(), path) != files.end();
    }
    std::vector<std::string> ListProjectFiles() const override { return files; }
    bool PaneShown() const override { return false; }
    const ProjectKeywordFiles *KeywordFiles() const override { return nullptr; }
    bool OpenProject(const char *) override { return false; }
    void CloseProject() override {}
};
