// The project and the open documents: membership, the project's keyword files, the startup
// file, and the settings dialog with its line count.
#include "ProjectFixture.h"

#include "editor/Document.h"
#include "language/KeywordTables.h"
#include "project/ProjectDialog.h"
#include "project/ProjectResources.h"
#include "resources/resource.h"

namespace {

const char wordsTree[] = "<holder name=\"w\"><file name=\"main.hsp\" path=\".\\main.hsp\"/>"
                         "<file name=\"my.kw\" path=\".\\my.kw\"/><file name=\"my.cc\" path=\".\\my.cc\"/></holder>";

}

TEST_F(ProjectTest, ProjectKeywordFilesServeProjectDocumentsOnlyWhileTheProjectIsOpen) {
    const std::string main = MakeFile("main.hsp", "mes\r\n");
    MakeFile("my.kw", "ProjWord\r\n");
    MakeFile("my.cc", "projcomplete\r\n");
    const std::string other = MakeFile("other.hsp");
    frame->Open(other.c_str());
    ASSERT_TRUE(frame->Open(MakeProject("w.prj", wordsTree, "<type id=\"initialize\"><property id=\"wake_up\">main.hsp</property></type>").c_str()));
    ASSERT_EQ(2, frame->Documents().Count());
    Document &project = *frame->Documents().At(1);
    EXPECT_EQ(main, project.path.Full());
    EXPECT_TRUE(project.inProject);
    EXPECT_FALSE(frame->Documents().At(0)->inProject);
    const KeywordTables &tables = KeywordTables::Shared();
    EXPECT_TRUE(Has(tables.UserKeywords(true), "projword "));
    EXPECT_TRUE(Has(tables.CompletionList(true), "projcomplete"));
    EXPECT_EQ("w <main.hsp> - Tamborel", Title());

    Command(IDM_PROJECT_CLOSE);
    EXPECT_FALSE(project.inProject);
    EXPECT_FALSE(Has(tables.UserKeywords(true), "projword"));
    EXPECT_EQ("<main.hsp> - Tamborel", Title());
}

TEST_F(ProjectTest, ActiveDocumentJoinsTheProjectUnlessUntitled) {
    ASSERT_TRUE(Project().OpenProject(MakeProject("p.prj", "<holder name=\"p\"/>").c_str()));
    Pane().SetTargetItem(Item("p"));
    Command(IDM_PROJECT_ADD_ACTIVE);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("プロジェクトに無題のドキュメントは追加出来ません。", desktop.messages[0].text);

    frame->Open(MakeFile("s.hsp").c_str());
    Pane().SetTargetItem(Item("p"));
    Command(IDM_PROJECT_ADD_ACTIVE);
    EXPECT_TRUE(frame->Current()->inProject);
    EXPECT_EQ("p <s.hsp> - Tamborel", Title());
    Pane().Tree().SelectItem(Item("p/s.hsp"));
    Command(IDM_PROJECT_REMOVE_FILE);
    EXPECT_FALSE(frame->Current()->inProject);
}

// An open document counts with its unsaved lines; a file without line breaks counts 1.
TEST_F(ProjectTest, SettingsDialogCountsStepsAndStoresWhatWasChosen) {
    const char tree[] = "<holder name=\"p\"><file name=\"a.hsp\" path=\"a.hsp\"/><file name=\"b.hsp\" path=\"b.hsp\"/>"
                        "<file name=\"c.hsp\" path=\"c.hsp\"/></holder>";
    MakeFile("a.hsp", "1\r\n2\r\n3");
    MakeFile("b.hsp", "1\r\n");
    MakeFile("c.hsp", "one line");
    ASSERT_TRUE(Project().OpenProject(MakeProject("p.prj", tree).c_str()));
    frame->Open((folder + "b.hsp").c_str());
    frame->Current()->InsertText(0, "x\r\ny\r\nz\r\n");
    const auto steps = [this](ProjectDialog &dialog) {
        EXPECT_TRUE(dialog.Run(frame->GetHandle()));
        char text[32] = "";
        GetDlgItemTextA(dialog.GetHandle(), IDC_PROJECT_STEPS, text, sizeof text);
        return std::string(text);
    };
    ProjectDialog dialog(Pane(), frame->Documents(), false);
    EXPECT_EQ("9", steps(dialog));
    desktop.files = {folder + "c.hsp"};
    SendMessageA(dialog.GetHandle(), WM_COMMAND, IDC_PROJECT_ENTRY_BROWSE, 0);
    CheckDlgButton(dialog.GetHandle(), IDC_PROJECT_SAVE_ALL, BST_CHECKED);
    SendMessageA(dialog.GetHandle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(folder + "c.hsp", Project().EntryPoint());
    EXPECT_TRUE(Project().SaveAllBeforeCompile());
    EXPECT_TRUE(Has(Read("p.prj"), "<property id=\"entrypoint\">.\\c.hsp</property>"));

    DeleteFileA((folder + "a.hsp").c_str());
    ProjectDialog failing(Pane(), frame->Documents(), false);
    EXPECT_EQ("- error -", steps(failing));
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("ステップ数計算中にエラーが発生しました。", desktop.messages[0].text);
    failing.Close(IDCANCEL);
}
