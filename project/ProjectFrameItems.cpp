// The node table: adding, removing, naming and finding the project's folders and files.
#include "project/ProjectFrameWindow.h"

#include <algorithm>
#include <climits>
#include <string>

#include "framework/Desktop.h"
#include "frame/Workbench.h"
#include "project/ProjectPaths.h"

HTREEITEM ProjectFrameWindow::AddNode(HTREEITEM item, HTREEITEM parent, const std::string &label, const std::string &file,
                                      bool folder) {
    if (item)
        nodes_[item] = ProjectNode{parent, label, file, folder, nextSequence_++};
    return item;
}

const ProjectNode *ProjectFrameWindow::Node(HTREEITEM item) const {
    const auto found = nodes_.find(item);
    return found == nodes_.end() ? nullptr : &found->second;
}

bool ProjectFrameWindow::IsFolder(HTREEITEM item) const {
    const ProjectNode *node = Node(item);
    return node && node->isFolder;
}

bool ProjectFrameWindow::IsInside(HTREEITEM item, HTREEITEM ancestor) const {
    for (const ProjectNode *node = Node(item); node; node = Node(node->parent))
        if (node->parent == ancestor)
            return true;
    return false;
}

bool ProjectFrameWindow::ContainsFile(const char *file) const {
    if (!file || !*file)
        return false;
    return std::any_of(nodes_.begin(), nodes_.end(), [file](const auto &entry) {
        return !entry.second.isFolder && entry.second.path == file;
    });
}

std::vector<std::string> ProjectFrameWindow::ListProjectFiles() const {
    std::vector<std::string> files;
    for (const auto &entry : nodes_)
        if (!entry.second.isFolder)
            files.push_back(entry.second.path);
    std::sort(files.begin(), files.end());
    return files;
}

bool ProjectFrameWindow::IsValidItemName(HTREEITEM parent, const char *name) const {
    if (!ProjectPaths::IsValidName(name))
        return false;
    for (const auto &entry : nodes_)
        if (entry.second.isFolder && entry.second.parent == parent && entry.second.name == name)
            return false;
    return true;
}

bool ProjectFrameWindow::AddFileToProject(const char *file) {
    if (ContainsFile(file) || !IsFolder(target_))
        return false;
    const Path split(file);
    if (!IsValidItemName(target_, split.FilePart()))
        return false;
    AddNode(tree_.InsertBare(target_), target_, split.FilePart(), file, false);
    tree_.Expand(target_);
    return true;
}

void ProjectFrameWindow::AddNewFolder() {
    HTREEITEM parent = tree_.GetSelection();
    if (!IsFolder(parent))
        return;
    for (int n = 1; n < INT_MAX; ++n) {
        const std::string label = "NewNode" + std::to_string(n);
        if (!IsValidItemName(parent, label.c_str()))
            continue;
        HTREEITEM item = AddNode(tree_.InsertBare(parent), parent, label, "", true);
        tree_.Expand(parent);
        // Selected, the new folder is found and shown again after the rebuild.
        tree_.SelectItem(item);
        SaveAndReload();
        return;
    }
}

void ProjectFrameWindow::RemoveProjectItem(HTREEITEM item, bool confirm) {
    const ProjectNode *node = Node(item);
    if (!node || node->parent == TVI_ROOT)
        return;
    if (confirm) {
        const std::string text = node->name + "\r\n" + "このアイテムを削除します。宜しいですか？";
        if (Ask(GetParent(), text.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    RemoveNodes(item);
    tree_.DeleteItem(item);
    SaveAndReload();
}

// Collected first: erasing as it goes would cut the parent chains the search follows.
void ProjectFrameWindow::RemoveNodes(HTREEITEM item) {
    std::vector<HTREEITEM> below;
    for (const auto &entry : nodes_)
        if (IsInside(entry.first, item))
            below.push_back(entry.first);
    for (HTREEITEM gone : below)
        nodes_.erase(gone);
    nodes_.erase(item);
}

void ProjectFrameWindow::Rename(HTREEITEM item, const char *label) {
    const auto found = nodes_.find(item);
    if (found == nodes_.end() || !IsValidItemName(found->second.parent, label))
        return;
    tree_.SetLabel(item, label);
    found->second.name = label;
    tree_.SelectItem(item);
    PostMessageA(GetHandle(), RenamedMessage, found->second.parent == TVI_ROOT, 0);
}

void ProjectFrameWindow::OpenSelected() {
    const ProjectNode *node = Node(tree_.GetSelection());
    if (!node || node->isFolder || node->path.empty())
        return;
    // A copy: opening a project file rebuilds the table this node lives in.
    const std::string file = node->path;
    workbench_.Open(file.c_str());
}

void ProjectFrameWindow::ExpandAll() const {
    for (const auto &entry : nodes_)
        if (entry.second.isFolder)
            tree_.Expand(entry.first);
}

void ProjectFrameWindow::CollapseAll() const {
    for (const auto &entry : nodes_)
        if (entry.second.isFolder)
            tree_.Collapse(entry.first);
}

ProjectFrameWindow::Trail ProjectFrameWindow::TrailOf(HTREEITEM item) const {
    Trail trail;
    for (const ProjectNode *node = Node(item); node; node = Node(node->parent))
        trail.insert(trail.begin(), node->name);
    return trail;
}

// The deepest item that follows the trail's names from the top: the item itself when it is still
// there, else the nearest folder above it that is.
HTREEITEM ProjectFrameWindow::FindTrail(const Trail &trail) const {
    HTREEITEM found = nullptr;
    HTREEITEM level = TVI_ROOT;
    for (const std::string &name : trail) {
        HTREEITEM next = nullptr;
        for (const auto &entry : nodes_)
            if (entry.second.parent == level && entry.second.name == name)
                next = next && nodes_.at(next).sequence < entry.second.sequence ? next : entry.first;
        if (!next)
            break;
        found = level = next;
    }
    return found;
}
