// Changing the tree: adding files, new folders, renaming, removing, dragging inside the tree and
// dropping files from the shell. Every change is saved and the tree rebuilt sorted from the file.
#include "ProjectFixture.h"

#include <shlobj.h>

#include "resources/resource.h"

namespace {

const char gameTree[] = "<holder name=\"game\"><holder name=\"art\"><holder name=\"deep\"/></holder>"
                        "<holder name=\"src\"><file name=\"main.hsp\" path=\".\\main.hsp\"/></holder></holder>";

// The shell's own data object for files of one folder, as a drag from a folder window hands it over.
IDataObject *ShellData(const std::string &folder, const std::vector<std::string> &names) {
    PIDLIST_ABSOLUTE parent = ILCreateFromPathA(folder.c_str());
    std::vector<PIDLIST_ABSOLUTE> items;
    std::vector<PCUIDLIST_RELATIVE> children;
    for (const std::string &name : names) {
        items.push_back(ILCreateFromPathA((folder + "\\" + name).c_str()));
        children.push_back(ILFindLastID(items.back()));
    }
    IDataObject *data = nullptr;
    CIDLData_CreateFromIDArray(parent, static_cast<UINT>(children.size()), children.data(), &data);
    for (PIDLIST_ABSOLUTE item : items)
        ILFree(item);
    ILFree(parent);
    return data;
}

}

// = / * clash with a sibling folder; a trail byte 0x5C (表, ソ) is no backslash. A file may share
// a file's name, and the same path goes in once.
TEST_F(ProjectTest, AddingFilesRefusesForbiddenAndClashingNamesAndRepeats) {
    ASSERT_TRUE(Project().OpenProject(MakeProject("p.prj", "<holder name=\"p\"><holder name=\"lib.as\"/></holder>").c_str()));
    const struct {
        const char *file;
        bool added;
    } cases[] = {{"a=b.hsp", false}, {"x\\lib.as", false}, {"表.hsp", true}, {"ソース.as", true}, {"y\\表.hsp", true}};
    Pane().SetTargetItem(Item("p"));
    for (const auto &c : cases)
        EXPECT_EQ(c.added, Pane().AddFileToProject(MakeFile(c.file).c_str())) << c.file;
    for (const char *name : {"a/b", "a*b", "<", ""})
        EXPECT_FALSE(Pane().IsValidItemName(Item("p"), name)) << name;

    desktop.files = {folder + std::string(1, '\0') + "表.hsp" + '\0' + "z.hsp"};
    MakeFile("z.hsp");
    Pane().SetTargetItem(Item("p"));
    Command(IDM_PROJECT_ADD_FILES);
    EXPECT_EQ("-p\n  lib.as\n  z.hsp\n  ソース.as\n  表.hsp\n  表.hsp\n", TreeText());
}

TEST_F(ProjectTest, NewFoldersAreNumberedAndRenamedFoldersMoveToTheirSortedPlace) {
    MakeFile("main.hsp");
    ASSERT_TRUE(frame->Open(MakeProject("g.prj", gameTree).c_str()));
    Pane().Tree().SelectItem(Item("game"));
    Command(IDM_PROJECT_NEW_FOLDER);
    Pane().Tree().SelectItem(Item("game"));
    Command(IDM_PROJECT_NEW_FOLDER);
    EXPECT_EQ("-game\n  -art\n    deep\n  NewNode1\n  NewNode2\n  -src\n    main.hsp\n", TreeText());
    EXPECT_EQ(Item("game/NewNode2"), Pane().Tree().GetSelection());

    NMTVDISPINFOA edit{};
    edit.item.hItem = Item("game/main.hsp");
    EXPECT_TRUE(Notify(edit.hdr, TVN_BEGINLABELEDITA)) << "file labels are not edited";
    for (const char *refused : {"art", "a/b", ""}) {
        edit.item.hItem = Item("game/NewNode1");
        edit.item.pszText = const_cast<char *>(refused);
        Notify(edit.hdr, TVN_ENDLABELEDITA);
    }
    edit.item.pszText = const_cast<char *>("zoo");
    Notify(edit.hdr, TVN_ENDLABELEDITA);
    EXPECT_EQ("-game\n  -art\n    deep\n  NewNode2\n  -src\n    main.hsp\n  zoo\n", TreeText());

    // The root's name is the project's, shown in the title of its documents.
    frame->Open((folder + "main.hsp").c_str());
    edit.item.hItem = Item("game");
    edit.item.pszText = const_cast<char *>("ゲーム");
    Notify(edit.hdr, TVN_ENDLABELEDITA);
    EXPECT_EQ("ゲーム <main.hsp> - Tamborel", Title());
    EXPECT_NE(std::string::npos, Read("g.prj").find("<holder name=\"ゲーム\""));
}

TEST_F(ProjectTest, DeleteKeyAsksTheContextMenuDoesNotAndTheRootStays) {
    MakeFile("main.hsp");
    ASSERT_TRUE(Project().OpenProject(MakeProject("g.prj", gameTree).c_str()));
    NMTVKEYDOWN key{};
    key.wVKey = VK_DELETE;
    Pane().Tree().SelectItem(Item("game/art"));
    desktop.answers = {IDNO};
    Notify(key.hdr, TVN_KEYDOWN);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("art\r\nこのアイテムを削除します。宜しいですか？", desktop.messages[0].text);
    EXPECT_NE(nullptr, Item("game/art/deep"));
    desktop.answers = {IDYES};
    Notify(key.hdr, TVN_KEYDOWN);
    EXPECT_EQ(nullptr, Item("game/art"));

    Pane().Tree().SelectItem(Item("game/src/main.hsp"));
    Command(IDM_PROJECT_REMOVE_FILE);
    Pane().Tree().SelectItem(Item("game"));
    Command(IDM_PROJECT_REMOVE_FOLDER);
    Notify(key.hdr, TVN_KEYDOWN);
    EXPECT_EQ(2u, desktop.messages.size());
    EXPECT_EQ("-game\n  src\n", TreeText());
    EXPECT_FALSE(Project().ContainsFile((folder + "main.hsp").c_str()));
    EXPECT_EQ(std::string::npos, Read("g.prj").find("main.hsp"));
}

TEST_F(ProjectTest, DraggedFolderGoesIntoAnotherFolderButNeverIntoItsOwnSubtree) {
    MakeFile("main.hsp");
    ASSERT_TRUE(Project().OpenProject(MakeProject("g.prj", gameTree).c_str()));
    const auto canDrop = [this](const char *labels) {
        return SendMessageA(Pane().GetHandle(), ProjectFrameWindow::CanDropMessage, reinterpret_cast<WPARAM>(Item(labels)), 0);
    };
    NMTREEVIEWA drag{};
    drag.ptDrag = ScreenPoint(Item("game/art"));
    ScreenToClient(Pane().Tree().GetHandle(), &drag.ptDrag);
    Notify(drag.hdr, TVN_BEGINDRAGA);
    EXPECT_EQ(Pane().GetHandle(), GetCapture());
    EXPECT_EQ(0, canDrop("game/art/deep"));
    EXPECT_EQ(0, canDrop("game"));
    EXPECT_EQ(0, canDrop("game/src/main.hsp"));
    EXPECT_EQ(1, canDrop("game/src"));

    POINT drop = ScreenPoint(Item("game/src"));
    ScreenToClient(Pane().GetHandle(), &drop);
    SendMessageA(Pane().GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    Pump();
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ("-game\n  -src\n    -art\n      deep\n    main.hsp\n", TreeText());
}

// Files only, and only onto a folder; the source keeps its files (the answer is no move).
TEST_F(ProjectTest, FilesDroppedFromTheShellGoIntoTheFolderUnderThem) {
    MakeFile("main.hsp");
    ASSERT_TRUE(Project().OpenProject(MakeProject("g.prj", gameTree).c_str()));
    MakeFile("new\\one.hsp");
    MakeFile("new\\two.as");
    CreateDirectoryA((folder + "new\\sub").c_str(), nullptr);
    IDataObject *data = ShellData(folder + "new", {"one.hsp", "sub", "two.as"});
    ASSERT_NE(nullptr, data);
    IDropTarget &target = Pane();
    const auto dropAt = [&](const char *labels) {
        const POINT point = ScreenPoint(Item(labels));
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.DragEnter(data, MK_LBUTTON, POINTL{point.x, point.y}, &effect);
        const DWORD over = effect;
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.Drop(data, 0, POINTL{point.x, point.y}, &effect);
        EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), effect);
        return over;
    };
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_NONE), dropAt("game/src/main.hsp"));
    EXPECT_EQ(1u, Project().ListProjectFiles().size());
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_MOVE), dropAt("game/art"));
    EXPECT_EQ("-game\n  -art\n    deep\n    one.hsp\n    two.as\n  -src\n    main.hsp\n", TreeText());
    data->Release();
}
