#include "HspFixture.h"

#include <algorithm>

#include "editor/DocumentView.h"
#include "resources/resource.h"
#include "support/TestFiles.h"
#include "ProjectDouble.h"

namespace {

// Reads the report, then double-clicks its first message line that holds marker.
struct ReportReader {
    std::string version;
    std::string messages;
    std::function<void(HWND)> Reader(const std::string &marker) {
        return [this, marker](HWND dialog) {
            version = ItemText(dialog, 1105);
            messages = ItemText(dialog, 1106);
            const size_t at = messages.find(marker);
            if (marker.empty() || at == std::string::npos)
                return Press(dialog, IDCANCEL);
            const LRESULT line = std::count(messages.begin(), messages.begin() + static_cast<std::ptrdiff_t>(at), '\n');
            HWND edit = GetDlgItem(dialog, 1106);
            const LRESULT point = SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(SendMessageA(edit, EM_LINEINDEX, line, 0)), 0);
            SendMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(LOWORD(point) + 3, HIWORD(point) + 3));
            // A double-click that led nowhere leaves the report open: close it, the test fails.
            if (IsWindow(dialog))
                Press(dialog, IDCANCEL);
        };
    }
};

Vessary::Position CaretLine(Document &document) { return document.LineFromPosition(document.GetCurrentPos()); }

}

TEST_F(HspTest, StartAxCompilesTheUnsavedTextAndPutsTheCurrentFolderBack) {
    StartFrame();
    const std::string script = OpenFile("main.hsp", "mes \"saved\"\r\n");
    Current().InsertText(0, "mes \"unsaved\"\n");
    SetCurrentDirectoryA(home->Path().c_str());
    const std::string before = CurrentFolder();
    Command(IDM_HSP_START_AX);
    EXPECT_EQ(before, CurrentFolder());
    EXPECT_EQ("mes \"unsaved\"\r\nmes \"saved\"\r\n", TestFiles::Read(folder + "hsptmp"));
    EXPECT_NE(std::string::npos, TestFiles::Read(folder + "start.ax").find("mes \"unsaved\""));
    EXPECT_EQ("mes \"saved\"\r\n", TestFiles::Read(script));
    EXPECT_EQ("start.ax ファイルの作成に成功しました。", LastMessage());
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), desktop.messages.back().type);

    Command(IDM_HSP_OBJECT_FILE);
    EXPECT_TRUE(TestFiles::Exists(folder + "main.ax"));
    EXPECT_EQ("オブジェクトファイルの作成に成功しました。", LastMessage());
}

// The report shows the compiler's version and messages and a double-click leads to the line;
// the first error stays marked until its line is edited or a compile succeeds.
TEST_F(HspTest, AnErrorOnLineThreeIsReportedMarkedAndLeadsToItsLine) {
    StartFrame();
    OpenFile("err.hsp", "mes 1\r\nmes 2\r\nmes \"oops\r\nmes 4\r\n");
    ReportReader report;
    {
        WhenDialog when("結果報告", report.Reader("err.hsp(3)"));
        Command(IDM_HSP_START_AX);
        EXPECT_TRUE(when.Seen());
    }
    EXPECT_EQ("HSP compiler ver3.6 (test installation)", report.version);
    EXPECT_NE(std::string::npos, report.messages.find("err.hsp(3) : error 2 : 文字列が閉じられていません (3行目)\r\n--> mes \"oops"));
    EXPECT_EQ(2, CaretLine(Current()));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_FALSE(TestFiles::Exists(folder + "start.ax"));
    ErrorMark &mark = Part().Reports().Mark();
    EXPECT_EQ(2, mark.MarkedLine(frame->Documents()));

    SetCurrentDirectoryA(home->Path().c_str());
    const std::string before = CurrentFolder();
    {
        WhenDialog when("結果報告", report.Reader(""));
        Command(IDM_HSP_START_AX);
    }
    EXPECT_EQ(before, CurrentFolder());
    Current().InsertText(0, "; ");
    Pump();
    EXPECT_EQ(2, mark.MarkedLine(frame->Documents()));
    Current().InsertText(Current().PositionFromLine(2), ";");
    Pump();
    EXPECT_EQ(-1, mark.MarkedLine(frame->Documents()));

    Current().InsertText(Current().PositionFromLine(3), "goto *later\r\n");
    {
        WhenDialog when("結果報告", report.Reader(""));
        Command(IDM_HSP_START_AX);
    }
    EXPECT_EQ(3, mark.MarkedLine(frame->Documents()));
    Current().InsertText(Current().GetLength(), "*later\r\n");
    Command(IDM_HSP_START_AX);
    EXPECT_EQ(-1, mark.MarkedLine(frame->Documents()));
    EXPECT_EQ("start.ax ファイルの作成に成功しました。", LastMessage());
}

// An included file's name leads to that file; "hsptmp" leads back to the untitled document
// that was compiled.
TEST_F(HspTest, MessagesLeadIntoIncludedFilesAndBackToUntitledDocuments) {
    StartFrame();
    MakeFile("sub.as", "; sub\r\ngoto *nowhere\r\n");
    OpenFile("main.hsp", "#include \"sub.as\"\r\nmes 1\r\n");
    ReportReader report;
    {
        WhenDialog when("結果報告", report.Reader("sub.as(2)"));
        Command(IDM_HSP_START_AX);
    }
    EXPECT_EQ(folder + "sub.as", Current().path.Full());
    EXPECT_EQ(1, CaretLine(Current()));

    Command(IDM_NEW);
    const int untitled = frame->CurrentIndex();
    Current().SetText("mes 1\r\n\r\n\r\nmes \"x\r\n");
    {
        WhenDialog when("結果報告", report.Reader("hsptmp(4)"));
        Command(IDM_HSP_START_AX);
    }
    EXPECT_EQ(untitled, frame->CurrentIndex());
    EXPECT_EQ(3, CaretLine(Current()));
}

// With a project, a project document compiles the entry point after the modified project
// documents are saved; a document outside the project compiles itself and saves nothing.
TEST_F(HspTest, ProjectDocumentsCompileTheEntryPoint) {
    auto project = std::make_unique<ProjectDouble>();
    ProjectDouble &query = *project;
    StartFrame();
    frame->AddSubsystem(std::move(project));
    const std::string entry = MakeFile("main.hsp", "#include \"sub.as\"\r\nmes 1\r\n");
    const std::string sub = OpenFile("sub.as", "mes 2\r\n");
    query.entry = entry;
    query.files = {entry, sub};
    Current().InsertText(0, "; edited\r\n");
    Command(IDM_HSP_OBJECT_FILE);
    EXPECT_TRUE(TestFiles::Exists(folder + "main.ax"));
    EXPECT_FALSE(TestFiles::Exists(folder + "sub.ax"));
    EXPECT_EQ("; edited\r\nmes 2\r\n", TestFiles::Read(sub));
    EXPECT_EQ(TestFiles::Read(entry), TestFiles::Read(folder + "hsptmp"));

    Current().InsertText(0, "; again\r\n");
    OpenFile("outside.hsp", "mes 3\r\n");
    Command(IDM_HSP_OBJECT_FILE);
    EXPECT_TRUE(TestFiles::Exists(folder + "outside.ax"));
    EXPECT_EQ("; edited\r\nmes 2\r\n", TestFiles::Read(sub));
}

TEST_F(HspTest, ExecutableIsMadeFromTheScriptAndItsFailureIsTold) {
    StartFrame();
    OpenFile("game.hsp", "#packopt name \"mygame\"\r\nmes 1\r\n");
    Command(IDM_HSP_EXECUTABLE);
    EXPECT_TRUE(TestFiles::Exists(folder + "mygame.exe"));
    EXPECT_EQ("実行ファイルの自動作成に成功しました。", LastMessage());
    DeleteFileA((home->Path() + "hsprt\\hsp3.exe").c_str());
    Command(IDM_HSP_EXECUTABLE);
    EXPECT_EQ("実行ファイルの自動作成に失敗しました。", LastMessage());
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), desktop.messages.back().type);
}

// A conversion's result is the file it wrote this time: one left by an earlier conversion is
// not taken for it.
TEST_F(HspTest, ConversionToCOpensTheSourceInAnUntitledDocument) {
    StartFrame();
    desktop.startProcesses = true;
    OpenFile("conv.hsp", "mes \"to c\"\r\n");
    Command(IDM_HSP_C_SOURCE);
    EXPECT_EQ("変換に成功しました。", LastMessage());
    EXPECT_EQ(2, frame->Documents().Count());
    EXPECT_TRUE(Current().IsUntitled());
    EXPECT_NE(std::string::npos, Current().GetText().find("// mes \"to c\""));
    EXPECT_EQ(0, Current().GetCurrentPos());

    CopyFileA((home->Path() + "hsp3.exe").c_str(), (home->Path() + "hsp3cnv.exe").c_str(), FALSE);
    frame->Select(0);
    Command(IDM_HSP_C_SOURCE);
    EXPECT_EQ("変換に失敗しました。", LastMessage());
    DeleteFileA((home->Path() + "hsp3cnv.exe").c_str());
    Command(IDM_HSP_C_SOURCE);
    EXPECT_EQ("実行に失敗しました。", LastMessage());
}

// The pack step's own answer is not trusted: the DPM file must have been written.
TEST_F(HspTest, DpmNeedsAPackfileAndTellsAPackThatFailed) {
    StartFrame();
    OpenFile("pack.hsp", "mes 1\r\n");
    Command(IDM_HSP_DPM);
    EXPECT_EQ("カレントディレクトリに packfile が見つかりませんでした。", LastMessage());
    Command(IDM_HSP_BUILD);
    EXPECT_EQ(2u, desktop.messages.size());
    MakeFile("data.txt", "payload");
    MakeFile("packfile", "+data.txt\r\n");
    Command(IDM_HSP_DPM);
    EXPECT_EQ("DMPファイルの作成に成功しました。", LastMessage());
    EXPECT_NE(std::string::npos, TestFiles::Read(folder + "data.dpm").find("data.txt"));
    MakeFile("packfile", "missing.txt\r\n");
    Command(IDM_HSP_DPM);
    EXPECT_EQ(0u, LastMessage().find("DPMファイルの作成に失敗しました。")) << LastMessage();
}
