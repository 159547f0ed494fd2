// The project file: opening, closing, saving and building the tree again from it; its keys and
// its tree of holder and file elements.
#include "project/ProjectFrameWindow.h"

#include <tinyxml.h>

#include <algorithm>

#include "app/Report.h"
#include "app/System.h"
#include "frame/Workbench.h"
#include "project/ProjectItems.h"
#include "project/ProjectPaths.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "settings/SettingFile.h"

namespace {

const char entryPointKey[] = "type[compile]property[entrypoint]";
const char saveAllKey[] = "type[compile]property[save_all]";
const char startupKey[] = "type[initialize]property[wake_up]";

std::string Attribute(const TiXmlElement &element, const char *name) {
    const char *value = element.Attribute(name);
    return value ? value : "";
}

std::string ReadPathText(TiXmlElement *event, const char *key) {
    char text[MAX_PATH] = "";
    Lexer::ReadString(event, key, text, sizeof text);
    return text;
}

bool FileExists(const char *file) { return GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES; }

std::string Lines(const char *first, const char *second) { return std::string(first) + "\r\n" + second; }

}

bool ProjectFrameWindow::OpenProject(const char *file) {
    CloseProject();
    if (!GetHandle() || !KeepBrokenFileAside(file))
        return false;
    projectPath_.Set(file);
    Load(true);
    loadedFiles_ = ListProjectFiles();
    if (!FileExists(path)) {
        const std::string text = Lines(file, "プロジェクトファイルを作成できませんでした。");
        Tell(GetParent(), {"couldn't create project file.", file, text.c_str(), MB_ICONERROR});
        ClearProject();
        return false;
    }
    ApplyTreeColors();
    return true;
}

// A file that cannot be parsed would otherwise open as an empty project, and the next save would
// write that emptiness over it: it goes aside under a new name first, and the user is told.
bool ProjectFrameWindow::KeepBrokenFileAside(const char *file) {
    TiXmlDocument document;
    switch (SettingFile::Load(document, file)) {
    case SettingFile::State::Unreadable: {
        const std::string text = Lines(file, "プロジェクトファイルを読み込めませんでした。");
        Tell(GetParent(), {"couldn't read project file.", file, text.c_str(), MB_ICONERROR});
        return false;
    }
    case SettingFile::State::Blank:
        // Nothing to lose: the template takes its place, as for a missing file.
        DeleteFileA(file);
        return true;
    case SettingFile::State::Malformed: {
        const std::string aside = SettingFile::KeepAside(file);
        if (aside.empty()) {
            const std::string text = Lines(file, "プロジェクトファイルが壊れているため開けませんでした。");
            Tell(GetParent(), {"couldn't keep broken project file aside.", file, text.c_str(), MB_ICONERROR});
            return false;
        }
        const std::string text = Lines(Lines(file, "プロジェクトファイルが壊れていたため、新しいプロジェクトとして開きます。").c_str(),
                                       Lines("元のファイルは次の名前で残しました：", aside.c_str()).c_str());
        Tell(GetParent(), {"broken project file was kept aside.", aside.c_str(), text.c_str(), MB_ICONWARNING});
        return true;
    }
    default:
        return true;
    }
}

void ProjectFrameWindow::CloseProject() {
    if (IsOpen())
        SaveProject();
    ClearProject();
}

void ProjectFrameWindow::SaveProject() {
    if (Save(true))
        return;
    const std::string text = Lines(path, "プロジェクトファイルに保存できませんでした。");
    Tell(GetParent(), {"couldn't save project file.", path, text.c_str(), MB_ICONERROR});
}

void ProjectFrameWindow::ClearProject() {
    projectPath_.Clear();
    name_.clear();
    saveAll_ = 0;
    entryPoint_.clear();
    startupFile_.clear();
    nodes_.clear();
    keywordFiles_ = ProjectKeywordFiles();
    loadedFiles_.clear();
    target_ = nullptr;
    tree_.DeleteAll();
}

void ProjectFrameWindow::SaveAndReload() {
    if (!IsOpen())
        return;
    const Trail selected = TrailOf(tree_.GetSelection());
    const Trail firstVisible = TrailOf(tree_.GetFirstVisible());
    const std::vector<std::string> before = loadedFiles_;
    EnableWindow(GetHandle(), FALSE);
    tree_.SetColors(CLR_DEFAULT, CLR_DEFAULT);
    tree_.SetRedraw(false);
    const Path file = projectPath_;
    CloseProject();
    projectPath_ = file;
    Load(true);
    ApplyTreeColors();
    if (HTREEITEM top = FindTrail(firstVisible))
        tree_.ScrollToTop(top);
    if (HTREEITEM item = FindTrail(selected))
        tree_.SelectItem(item);
    tree_.SetRedraw(true);
    EnableWindow(GetHandle(), TRUE);
    // A document added to the project or taken out of it takes or loses its keywords and title.
    loadedFiles_ = ListProjectFiles();
    if (loadedFiles_ != before)
        workbench_.RefreshProjectMembership();
}

void ProjectFrameWindow::SetProjectSettings(const std::string &startup, int saveAll, const std::string &entry) {
    startupFile_ = startup;
    saveAll_ = saveAll;
    entryPoint_ = entry;
    SaveAndReload();
}

std::string ProjectFrameWindow::Directory() const { return projectPath_.DirectoryPart(); }

void ProjectFrameWindow::ApplyTreeColors() {
    const LexerCommon &common = System::Get().Settings().Common();
    tree_.SetColors(common.subviewFontColor, common.subviewBackColor);
}

void ProjectFrameWindow::Read() {
    const std::string directory = Directory();
    entryPoint_ = ProjectPaths::Resolve(directory.c_str(), ReadPathText(eventElement, entryPointKey).c_str());
    saveAll_ = ReadInteger(eventElement, saveAllKey, 0);
    startupFile_ = ProjectPaths::Resolve(directory.c_str(), ReadPathText(eventElement, startupKey).c_str());
    const TiXmlElement *root = styleElement ? styleElement->FirstChildElement() : nullptr;
    if (!root)
        return;
    name_ = Attribute(*root, "name");
    const ProjectItems::Table table = ProjectItems::Read(*styleElement);
    tree_.SetRedraw(false);
    ReadTree(table, table.top, TVI_ROOT);
    tree_.SetRedraw(true);
}

// The items go in already sorted, each after the last: the tree's own sorted insertion compares
// with every sibling, which is slow in folders of many items. The order is the tree's (lstrcmpi,
// equal names in document order).
void ProjectFrameWindow::ReadTree(const ProjectItems::Table &table, const std::vector<size_t> &inside, HTREEITEM parent) {
    std::vector<size_t> sorted = inside;
    std::stable_sort(sorted.begin(), sorted.end(), [&table](size_t a, size_t b) {
        return lstrcmpiA(table.items[a].name.c_str(), table.items[b].name.c_str()) < 0;
    });
    for (size_t index : sorted) {
        const ProjectItems::Item &item = table.items[index];
        if (item.isFolder)
            ReadFolder(table, item, parent);
        else
            ReadFile(item, parent);
    }
}

void ProjectFrameWindow::ReadFolder(const ProjectItems::Table &table, const ProjectItems::Item &folder, HTREEITEM parent) {
    HTREEITEM item = AddNode(tree_.InsertLast(parent, folder.name.c_str(), ProjectTreeView::FolderImage), parent, folder.name, "", true);
    if (!item)
        return;
    ReadTree(table, folder.children, item);
    if (folder.expanded)
        tree_.Expand(item);
}

void ProjectFrameWindow::ReadFile(const ProjectItems::Item &item, HTREEITEM parent) {
    const std::string file = ProjectPaths::Resolve(Directory().c_str(), item.path.c_str());
    if (file.empty() || !FileExists(file.c_str()))
        return;
    if (!AddNode(tree_.InsertLast(parent, item.name.c_str(), ProjectTreeView::FileImage), parent, item.name, file, false))
        return;
    const std::string extension = Path(file.c_str()).Extension();
    if (extension == ".kw")
        keywordFiles_.keywordFiles.push_back(file);
    else if (extension == ".cc")
        keywordFiles_.completionFiles.push_back(file);
    else if (extension == ".ct")
        keywordFiles_.codeTipFiles.push_back(file);
}

void ProjectFrameWindow::Write() {
    const std::string directory = Directory();
    WriteString(eventElement, entryPointKey, ProjectPaths::Relativise(directory.c_str(), entryPoint_.c_str()).c_str());
    WriteInteger(eventElement, saveAllKey, saveAll_);
    WriteString(eventElement, startupKey, ProjectPaths::Relativise(directory.c_str(), startupFile_.c_str()).c_str());
    if (!styleElement)
        return;
    styleElement->Clear();
    const Children children = ChildrenByParent();
    // Every top-level item is written, not only the first: a file with more than one keeps them.
    const auto top = children.find(TVI_ROOT);
    if (top != children.end())
        for (HTREEITEM item : top->second)
            WriteItem(*styleElement, item, children);
}

ProjectFrameWindow::Children ProjectFrameWindow::ChildrenByParent() const {
    std::vector<const std::pair<const HTREEITEM, ProjectNode> *> ordered;
    ordered.reserve(nodes_.size());
    for (const auto &entry : nodes_)
        ordered.push_back(&entry);
    std::sort(ordered.begin(), ordered.end(), [](const auto *a, const auto *b) { return a->second.sequence < b->second.sequence; });
    Children children;
    for (const auto *entry : ordered)
        children[entry->second.parent].push_back(entry->first);
    return children;
}

void ProjectFrameWindow::WriteItem(TiXmlElement &parent, HTREEITEM item, const Children &children) const {
    const ProjectNode &node = nodes_.at(item);
    if (!node.isFolder) {
        TiXmlElement *file = parent.LinkEndChild(new TiXmlElement("file"))->ToElement();
        file->SetAttribute("name", node.name);
        file->SetAttribute("path", ProjectPaths::Relativise(Directory().c_str(), node.path.c_str()));
        return;
    }
    TiXmlElement *holder = parent.LinkEndChild(new TiXmlElement("holder"))->ToElement();
    holder->SetAttribute("name", node.name);
    holder->SetAttribute("expand", ExpandText(item));
    const auto inside = children.find(item);
    if (inside != children.end())
        for (HTREEITEM child : inside->second)
            WriteItem(*holder, child, children);
}

// A folder without items has no state of its own to keep: it is written expanded.
const char *ProjectFrameWindow::ExpandText(HTREEITEM item) const {
    if (!tree_.GetChild(item))
        return "yes";
    return tree_.IsExpanded(item) ? "yes" : "no";
}
