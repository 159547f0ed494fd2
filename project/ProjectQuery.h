// What the rest of the program asks of the open project: whether one is open, its name, entry
// point, save-all flag and startup file, and which files belong to it. The project part offers
// it; others find it through the workbench (Find<ProjectQuery>()), null while none offers it.
#pragma once

#include <string>
#include <vector>

struct ProjectKeywordFiles;

class ProjectQuery {
public:
    virtual bool IsProjectOpen() const = 0;
    // The root folder's name; empty while no project is open.
    virtual std::string ProjectName() const = 0;
    // The .prj file's full path; empty while no project is open.
    virtual std::string ProjectPath() const = 0;
    // Absolute paths, empty when unset.
    virtual std::string EntryPoint() const = 0;
    virtual std::string StartupFile() const = 0;
    virtual bool SaveAllBeforeCompile() const = 0;
    // Exact byte comparison with the paths of the project's files; false for null or "".
    virtual bool ContainsFile(const char *path) const = 0;
    // Every file's path, sorted by byte comparison.
    virtual std::vector<std::string> ListProjectFiles() const = 0;
    // Whether the project pane is shown (the window title names the project only then).
    virtual bool PaneShown() const = 0;
    // The project's .kw, .ct and .cc files for the keyword tables; null while none is open.
    virtual const ProjectKeywordFiles *KeywordFiles() const = 0;
    // Opens the project file (closing, and saving, any open one first); false on failure.
    virtual bool OpenProject(const char *path) = 0;
    // Saves and closes the open project, if any.
    virtual void CloseProject() = 0;

protected:
    ~ProjectQuery() = default;
};
