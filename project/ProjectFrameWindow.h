// The project pane at the left of the documents, and the open project it shows. The project file
// is a setting section (Lexer) over the .prj; the node table and the tree are built together
// from it. Every change is made in the table, saved, and the tree and table are built again from
// the file (SaveAndReload), so the tree on screen is always the saved one.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/ImageList.h"
#include "framework/OverlappedWindow.h"
#include "framework/Path.h"
#include "framework/StandardDropTarget.h"
#include "language/KeywordTables.h"
#include "project/ProjectNode.h"
#include "project/ProjectToolBar.h"
#include "project/ProjectTreeView.h"
#include "settings/Lexer.h"

class TiXmlElement;
namespace ProjectItems {
struct Item;
struct Table;
}
class Workbench;

class ProjectFrameWindow : public OverlappedWindow, public StandardDropTarget, public Lexer {
public:
    static const char *const ClassName;
    // Messages the pane answers. Move: wParam the dragged item, lParam the folder it goes to.
    // CanDrop: wParam the folder; 1 when the dragged item may go there.
    static const UINT MoveMessage = WM_APP + 3;
    static const UINT CanDropMessage = WM_APP + 5;

    explicit ProjectFrameWindow(Workbench &workbench);
    ~ProjectFrameWindow() override;

    // The pane, hidden, as a child of the frame.
    bool Create(HWND frame, HINSTANCE instance, int width);
    // Where the frame's layout puts it; the tool bar shows when the main one does.
    void Place(int x, int y, int width, int height, bool toolBarShown);
    int Width() const;

    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Files dragged from the shell onto a folder.
    HRESULT OnDragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT OnDragOver(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT OnDragLeave() override;
    HRESULT OnDrop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;

    // The project file.
    void Read() override;
    void Write() override;
    const char *FileName() const override { return projectPath_.Full(); }
    const char *TemplateName() const override { return "\\template\\project.xml"; }

    // Closes (and saves) any open project, then opens the file, made from the template when
    // missing. A broken file is kept aside first. False, the user told, when it cannot be opened.
    bool OpenProject(const char *file);
    // Saves an open project, then forgets it and empties the tree.
    void CloseProject();
    void SaveAndReload();
    void SetProjectSettings(const std::string &startup, int saveAll, const std::string &entry);
    // Adds a file to the target folder, unless it is in the project already or its name is not
    // allowed there. Saves nothing: callers SaveAndReload once after a batch.
    bool AddFileToProject(const char *file);
    // Removes the item and all below it from the project (never the root, never a file on disk).
    void RemoveProjectItem(HTREEITEM item, bool confirm);
    // A folder "NewNode<n>" in the selected folder.
    void AddNewFolder();
    bool ContainsFile(const char *file) const;
    // Every file's path, sorted by byte comparison.
    std::vector<std::string> ListProjectFiles() const;
    // Not empty, no sibling folder of that name, none of < > = / * \.
    bool IsValidItemName(HTREEITEM parent, const char *name) const;
    void ExpandAll() const;
    void CollapseAll() const;

    bool IsOpen() const { return projectPath_.Full()[0] != '\0'; }
    const std::string &ProjectName() const { return name_; }
    const std::string &EntryPoint() const { return entryPoint_; }
    const std::string &StartupFile() const { return startupFile_; }
    int SaveAll() const { return saveAll_; }
    const ProjectKeywordFiles &KeywordFiles() const { return keywordFiles_; }
    // The folder that adding files acts on (the context menu's folder, or the one under a drop).
    void SetTargetItem(HTREEITEM item) { target_ = item; }
    const ProjectTreeView &Tree() const { return tree_; }

protected:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Messages the pane posts itself, so that the tree is rebuilt only after the tree control
    // has finished the notification that led to it.
    static const UINT RenamedMessage = WM_APP + 6;
    static const UINT RemoveSelectedMessage = WM_APP + 7;
    static const UINT OpenSelectedMessage = WM_APP + 8;
    // Names from the root down to an item: where to find it again after a rebuild.
    using Trail = std::vector<std::string>;
    using Children = std::map<HTREEITEM, std::vector<HTREEITEM>>;

    // The file (ProjectFrameFile.cpp).
    bool KeepBrokenFileAside(const char *file);
    void SaveProject();
    void ClearProject();
    std::string Directory() const;
    void ReadTree(const ProjectItems::Table &table, const std::vector<size_t> &inside, HTREEITEM parent);
    void ReadFolder(const ProjectItems::Table &table, const ProjectItems::Item &folder, HTREEITEM parent);
    void ReadFile(const ProjectItems::Item &file, HTREEITEM parent);
    Children ChildrenByParent() const;
    void WriteItem(TiXmlElement &parent, HTREEITEM item, const Children &children) const;
    const char *ExpandText(HTREEITEM item) const;
    void ApplyTreeColors();

    // The items (ProjectFrameItems.cpp).
    const ProjectNode *Node(HTREEITEM item) const;
    HTREEITEM AddNode(HTREEITEM item, HTREEITEM parent, const std::string &label, const std::string &file, bool folder);
    bool IsFolder(HTREEITEM item) const;
    bool IsInside(HTREEITEM item, HTREEITEM ancestor) const;
    void RemoveNodes(HTREEITEM item);
    void Rename(HTREEITEM item, const char *label);
    void OpenSelected();
    Trail TrailOf(HTREEITEM item) const;
    HTREEITEM FindTrail(const Trail &trail) const;

    // The pane (ProjectFrameWindow.cpp).
    void ShowContextMenu(POINT screen);
    LRESULT OnTreeNotify(NMHDR &header);
    // Delete removes the selected item (after asking); Escape ends a drag.
    void OnTreeKey(WORD key);
    void ApplyToolTipSettings();

    // Dragging (ProjectFrameDrag.cpp).
    void BeginTreeDrag(const NMTREEVIEWA &info);
    void EndTreeDrag();
    POINT TreePoint(LPARAM panePoint) const;
    HTREEITEM FolderAtScreenPoint(POINTL point) const;
    bool CanDrop(HTREEITEM dragged, HTREEITEM folder) const;
    void MoveItem(HTREEITEM dragged, HTREEITEM folder);
    int AddDroppedFiles(IDataObject &data);

    Workbench &workbench_;
    ProjectToolBar toolBar_;
    ProjectTreeView tree_;
    bool placing_ = false;

    Path projectPath_;
    std::string name_;
    int saveAll_ = 0;
    std::string entryPoint_;
    std::string startupFile_;
    std::map<HTREEITEM, ProjectNode> nodes_;
    unsigned long nextSequence_ = 0;
    ProjectKeywordFiles keywordFiles_;
    // The files as the file held them at the last load.
    std::vector<std::string> loadedFiles_;
    HTREEITEM target_ = nullptr;

    // 0 idle, 'D' an item of the tree is dragged, 'V' files from outside are over a folder.
    char dragState_ = 0;
    ImageList dragImage_;
};
