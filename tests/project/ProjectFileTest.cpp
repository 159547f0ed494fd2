// The project file: what a load makes of it, what a save writes, and the files that cannot be
// read or created.
#include "ProjectFixture.h"

#include "app/System.h"
#include "project/ProjectPaths.h"
#include "resources/resource.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "support/TestFiles.h"

namespace {

std::string Resource(const char *name) {
    HRSRC found = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    return loaded ? std::string(static_cast<const char *>(LockResource(loaded)), SizeofResource(nullptr, found)) : "";
}

}

TEST_F(ProjectTest, RoundTripKeepsPathsFoldersAndStatesAndDropsWhatIsGone) {
    const std::string project = MakeFile("game\\game.prj", Resource("ROUND_TRIP"));
    for (const char *file : {"game\\a.hsp", "game\\d.hsp", "game\\sub\\b.hsp", "lib\\c.as"})
        MakeFile(file);
    ASSERT_TRUE(Project().OpenProject(project.c_str()));
    const std::string shape = "-game\n  a.hsp\n  d.hsp\n  empty\n  -lib\n    c.as\n  +sub\n    b.hsp\n";
    EXPECT_EQ(shape, TreeText());
    EXPECT_EQ("game", Project().ProjectName());
    EXPECT_EQ(folder + "game\\a.hsp", Project().EntryPoint());
    EXPECT_EQ(folder + "game\\sub\\b.hsp", Project().StartupFile());
    EXPECT_TRUE(Project().SaveAllBeforeCompile());
    const std::vector<std::string> files{folder + "game\\a.hsp", folder + "game\\d.hsp", folder + "game\\sub\\b.hsp", folder + "lib\\c.as"};
    EXPECT_EQ(files, Project().ListProjectFiles());
    EXPECT_FALSE(Project().ContainsFile((folder + "game\\gone.hsp").c_str()));

    Project().CloseProject();
    const std::string saved = Read("game\\game.prj");
    for (const char *part : {"path=\".\\a.hsp\"", "path=\".\\d.hsp\"", "path=\".\\sub\\b.hsp\"", "path=\"..\\lib\\c.as\"",
                             "<holder name=\"sub\" expand=\"no\">", "<holder name=\"empty\" expand=\"yes\" />",
                             "<property id=\"wake_up\">.\\sub\\b.hsp</property>", "<property id=\"save_all\">1</property>"})
        EXPECT_TRUE(Has(saved, part)) << part << "\n" << saved;
    EXPECT_FALSE(Has(saved, "gone.hsp"));
    EXPECT_FALSE(Has(saved, "<note"));

    ASSERT_TRUE(Project().OpenProject(project.c_str()));
    EXPECT_EQ(shape, TreeText());
    EXPECT_EQ(files, Project().ListProjectFiles());
}

// The folder's last byte may be the trail byte 0x5C of a double-byte character.
TEST_F(ProjectTest, PathsResolveAndRelativiseAcrossShiftJisFoldersDrivesAndShares) {
    const std::string table = folder + "表";
    EXPECT_EQ(table + "\\a.hsp", ProjectPaths::Resolve(table.c_str(), "a.hsp"));
    EXPECT_EQ(table + "\\ソ\\b.hsp", ProjectPaths::Resolve((table + "\\").c_str(), "\\ソ\\b.hsp"));
    EXPECT_EQ(table + "\\ソ\\b.hsp", ProjectPaths::Resolve(table.c_str(), "./ソ/b.hsp"));
    EXPECT_EQ(".\\ソ\\b.hsp", ProjectPaths::Relativise(table.c_str(), (table + "\\ソ\\b.hsp").c_str()));
    EXPECT_EQ("Q:\\elsewhere\\a.hsp", ProjectPaths::Relativise(table.c_str(), "Q:\\elsewhere\\a.hsp"));
    EXPECT_EQ("\\\\server\\share\\a.hsp", ProjectPaths::Resolve(table.c_str(), "\\\\server\\share\\a.hsp"));
    EXPECT_EQ("", ProjectPaths::Resolve(table.c_str(), std::string(300, 'x').c_str()));
    // What must fit is the result, not the pieces on the way to it.
    std::string detour;
    for (int i = 0; i < 60; ++i)
        detour += "x\\..\\";
    EXPECT_EQ(table + "\\a.hsp", ProjectPaths::Resolve(table.c_str(), (detour + "a.hsp").c_str()));
    // A slash after a lead byte that has no trail byte is still a slash of the path.
    EXPECT_TRUE(ProjectPaths::HasForbiddenCharacter("\x87/a"));
    EXPECT_FALSE(ProjectPaths::HasForbiddenCharacter("\x95\x5C"));
}

TEST_F(ProjectTest, OpeningASecondProjectSavesTheFirst) {
    MakeFile("one\\a.hsp");
    const std::string first = MakeProject("one\\one.prj", "<holder name=\"one\"><file name=\"a.hsp\" path=\".\\a.hsp\"/></holder>");
    const std::string second = MakeProject("two\\two.prj", "<holder name=\"two\"/>");
    ASSERT_TRUE(Project().OpenProject(first.c_str()));
    Command(IDM_PROJECT_COLLAPSE);
    ASSERT_TRUE(frame->Open(second.c_str()));
    EXPECT_EQ("two", Project().ProjectName());
    EXPECT_TRUE(Has(Read("one\\one.prj"), "<holder name=\"one\" expand=\"no\">"));
}

// Broken: set aside and said so, the project starts from the template. Blank: nothing to keep.
TEST_F(ProjectTest, BrokenProjectFileIsKeptAsideAndBlankOneStartsFromTheTemplate) {
    const std::string broken = MakeFile("broken.prj", "<<< not a project");
    ASSERT_TRUE(frame->Open(broken.c_str()));
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_TRUE(Has(desktop.messages[0].text, broken + ".broken"));
    EXPECT_EQ("<<< not a project", Read("broken.prj.broken"));
    EXPECT_EQ("project", Project().ProjectName());
    EXPECT_TRUE(Has(Read("broken.prj"), "<holder name=\"project\""));

    ASSERT_TRUE(frame->Open(MakeFile("blank.prj", " \r\n").c_str()));
    EXPECT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("project", Project().ProjectName());
}

TEST_F(ProjectTest, NewProjectNeedsThePrjExtensionAndReplacesEvenTheOpenProject) {
    desktop.files = {folder + "new.txt"};
    Command(IDM_NEW_PROJECT);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("プロジェクトファイル作成に失敗しました。\r\nnew.txt\r\nプロジェクトファイルの拡張子は .prj でなければなりません。",
              desktop.messages[0].text);
    EXPECT_FALSE(Project().IsProjectOpen());
    EXPECT_FALSE(TestFiles::Exists(folder + "new.txt"));

    MakeFile("a.hsp");
    desktop.files = {folder + "New.PRJ", folder + "a.hsp"};
    Command(IDM_NEW_PROJECT);
    ASSERT_TRUE(Project().IsProjectOpen());
    Pane().SetTargetItem(Item("project"));
    Command(IDM_PROJECT_ADD_FILES);
    ASSERT_TRUE(Project().ContainsFile((folder + "a.hsp").c_str()));

    desktop.files = {folder + "New.PRJ"};
    Command(IDM_NEW_PROJECT);
    EXPECT_TRUE(Project().IsProjectOpen());
    EXPECT_EQ("project\n", TreeText());
    EXPECT_FALSE(Has(Read("New.PRJ"), "a.hsp"));
}

TEST_F(ProjectTest, FailedSaveIsReportedAndTheTreeShowsWhatTheFileHolds) {
    MakeFile("a.hsp");
    const std::string project = MakeProject("p.prj", "<holder name=\"p\"/>");
    ASSERT_TRUE(Project().OpenProject(project.c_str()));
    SetFileAttributesA(project.c_str(), FILE_ATTRIBUTE_READONLY);
    Pane().SetTargetItem(Item("p"));
    ASSERT_TRUE(Pane().AddFileToProject((folder + "a.hsp").c_str()));
    Pane().SaveAndReload();
    SetFileAttributesA(project.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ(project + "\r\nプロジェクトファイルに保存できませんでした。", desktop.messages[0].text);
    EXPECT_EQ("p\n", TreeText());
    EXPECT_FALSE(Project().ContainsFile((folder + "a.hsp").c_str()));
}

TEST_F(ProjectTest, PaneShowsOnlyWhileAProjectIsOpenAndKeepsItsWidth) {
    SidePane &pane = Project();
    HMENU bar = frame->MenuBar().Handle();
    EXPECT_FALSE(IsWindowVisible(Pane().GetHandle()));
    ASSERT_TRUE(Project().OpenProject(MakeProject("p.prj", "<holder name=\"p\"/>").c_str()));
    EXPECT_TRUE(IsWindowVisible(Pane().GetHandle()));
    EXPECT_FALSE(GetMenuState(bar, MainMenuBar::ProjectPopup, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_GE(pane.PaneWidth(), SidePane::MinimumWidth);
    RECT tabs;
    GetWindowRect(frame->Documents().GetHandle(), &tabs);
    RECT shown;
    GetWindowRect(Pane().GetHandle(), &shown);
    EXPECT_EQ(shown.right, tabs.left);

    // Only the right edge sizes the pane, up to half the frame.
    const int middle = (shown.top + shown.bottom) / 2;
    EXPECT_EQ(HTBORDER, SendMessageA(Pane().GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(shown.left, middle)));
    EXPECT_EQ(HTRIGHT, SendMessageA(Pane().GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(shown.right - 1, middle)));
    MINMAXINFO limits{};
    SendMessageA(Pane().GetHandle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    RECT client;
    GetClientRect(frame->GetHandle(), &client);
    EXPECT_EQ(client.right / 2, limits.ptMaxTrackSize.x);

    Command(IDM_PROJECT_CLOSE);
    EXPECT_FALSE(IsWindowVisible(Pane().GetHandle()));
    EXPECT_TRUE(GetMenuState(bar, MainMenuBar::ProjectPopup, MF_BYPOSITION) & MF_GRAYED);
    MoveWindow(Pane().GetHandle(), 0, 0, 230, 100, FALSE);
    SendMessageA(frame->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(230, System::Get().Settings().Common().initialSubviewSizeX);
}
