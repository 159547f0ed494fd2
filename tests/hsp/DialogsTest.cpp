#include "HspFixture.h"

#include <commctrl.h>

#include "app/System.h"
#include "framework/DialogManager.h"
#include "hsp/HspReservedKwDialog.h"
#include "hsp/PackList.h"
#include "hsp/HspSmpViewerDialog.h"
#include "log/Logger.h"
#include "resources/resource.h"
#include "settings/LexerHsp.h"
#include "support/TestFiles.h"

namespace {

const UINT hspItems[] = {IDM_HSP_START_AX, IDM_HSP_OBJECT_FILE, IDM_HSP_EXECUTABLE, IDM_HSP_DPM, IDM_HSP_BUILD,
                         IDM_HSP_C_SOURCE, IDM_HSP_PACKFILE, IDM_HSP_DEBUG_WINDOW, IDM_HSP_AHT_MANAGER,
                         IDM_HSP_HSPLET, IDM_HSP_HSPTV, IDM_HSP_KEYWORD, IDM_HSP_MANUAL, IDM_HSP_DEMO,
                         IDM_HSP_RESERVED_KEYWORDS, IDM_HSP_SAMPLES, IDM_OPEN_SAMPLE_FOLDER};

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string Cell(HWND list, int row, int column) {
    char text[MAX_PATH] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void Choose(HWND control, UINT select, int index, int id, WORD notification) {
    SendMessageA(control, select, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(control));
}

}

// A missing library and one lacking an entry point: told, then the home dialog; the HSP items
// stay greyed (the home dialog's never is).
TEST_F(HspTest, AnUnusableCompilerIsToldAndLeavesEveryHspItemGreyed) {
    System::Get().GetLogger().level = 5;
    for (const bool missing : {true, false}) {
        if (missing)
            DeleteFileA((home->Path() + "hspcmp.dll").c_str());
        else
            home->UseLibraryLacking("hsc3_messize");
        desktop.messages.clear();
        WhenDialog when("ワークスペース設定", [](HWND dialog) { Press(dialog, IDCANCEL); });
        StartFrame();
        EXPECT_TRUE(when.Seen());
        ASSERT_EQ(1u, desktop.messages.size());
        EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), desktop.messages[0].type);
        const std::string expected = missing ? "ＨＳＰコンパイラが見つかりません。" : "関数 hsc3_messize がありません";
        EXPECT_NE(std::string::npos, desktop.messages[0].text.find(expected)) << desktop.messages[0].text;
        for (UINT id : hspItems)
            EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_NE(0, frame->MenuState().Enabled(IDM_HSP_HOME));
        EXPECT_FALSE(Part().HomeValid());
        // The frame's end posts the quit message, which would end the next modal dialog.
        frame.reset();
        Pump();
    }
    const std::string log = TestFiles::Read(TestFiles::ProgramFolder() + "log\\Tamborel1.log");
    EXPECT_NE(std::string::npos, log.find("couldn't find hsp compiler [" + home->Path() + "hspcmp.dll]"));
    EXPECT_NE(std::string::npos, log.find("hsp compiler lacks a function [hsc3_messize]"));
    System::Get().GetLogger().level = 3;
}

// A folder without a compiler keeps the dialog open and the library in use; browsing appends
// one backslash; the start-up check box is stored turned; "do not use" stores an empty home
// and greys the HSP items.
TEST_F(HspTest, HomeDialogChecksTheFolderAndStoresTheChoice) {
    StartFrame();
    std::string shown;
    {
        WhenDialog when("ワークスペース設定", [&](HWND dialog) {
            shown = ItemText(dialog, 1022);
            SetDlgItemTextA(dialog, 1022, folder.c_str());
            Press(dialog, IDOK);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_TRUE(Part().HomeValid());
            desktop.folders.push_back(home->Path().substr(0, home->Path().size() - 1));
            Click(dialog, 1019);
            Click(dialog, 1023);
            EXPECT_EQ(home->Path(), ItemText(dialog, 1022));
            Click(dialog, 1024);
            Press(dialog, IDOK);
        });
        Command(IDM_HSP_HOME);
    }
    EXPECT_EQ(home->Path(), shown);
    EXPECT_EQ("指定されたディレクトリにはＨＳＰコンパイラが存在しません。", LastMessage());
    EXPECT_TRUE(Part().HomeValid());
    EXPECT_TRUE(Settings().homePrompt);
    {
        WhenDialog when("ワークスペース設定", [](HWND dialog) {
            Click(dialog, 1019);
            EXPECT_EQ("", ItemText(dialog, 1022));
            Press(dialog, IDOK);
        });
        Command(IDM_HSP_HOME);
    }
    EXPECT_STREQ("", Settings().homeDirectory);
    EXPECT_FALSE(Part().HomeValid());
    for (UINT id : hspItems)
        EXPECT_FALSE(Enabled(id)) << id;
}

// The comment, files that are gone and folders drop out; "+" stays; files beside the packfile
// are written by name, others by full path, sorted by path. Adding the packfile itself or a
// listed file changes nothing; an added file is encrypted until decrypted.
TEST_F(HspTest, PackFileEditorListsAndWritesBackThePackfile) {
    StartFrame();
    OpenFile("main.hsp", "mes 1\r\n");
    MakeFile("pic.bmp", "12345");
    MakeFile("new.txt", "new");
    CreateDirectoryA((folder + "sub").c_str(), nullptr);
    MakeFile("packfile", "; a comment\r\n+pic.bmp\r\n" + home->Path() + "index.htm\r\ngone.txt\r\nsub\r\n");
    desktop.files = {folder + "packfile", folder + "pic.bmp", folder + "new.txt"};
    std::vector<std::string> rows;
    {
        WhenDialog when("PackFile 編集", [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, 1108);
            for (int i = 0; i < 3; ++i)
                Press(dialog, 1114);
            ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
            Press(dialog, 1120);
            for (int row = 0; row < ListView_GetItemCount(list); ++row)
                rows.push_back(Cell(list, row, 1) + "|" + Cell(list, row, 2) + Cell(list, row, 3) + "|" + Cell(list, row, 4));
            Press(dialog, IDOK);
        });
        Command(IDM_HSP_PACKFILE);
    }
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("|" + folder + "new.txt|3", rows[0]);
    EXPECT_EQ("+|" + folder + "pic.bmp|5", rows[1]);
    EXPECT_EQ("new.txt\r\n+pic.bmp\r\n" + home->Path() + "index.htm\r\n", TestFiles::Read(folder + "packfile"));
}

// A name that would read back as an encrypted other file or a comment is written in full.
TEST(PackList, NamesStartingWithPlusOrSemicolonReadBackAsTheSameFiles) {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-pack");
    for (const char *name : {"+plus.bmp", ";semi.txt", "plain.txt"})
        TestFiles::Write(folder + name, "x");
    PackList written(folder + "packfile");
    for (const char *name : {"+plus.bmp", ";semi.txt", "plain.txt"})
        EXPECT_TRUE(written.Add(name, false)) << name;
    TestFiles::Write(folder + "packfile", written.Format());
    PackList read(folder + "packfile");
    read.Load();
    ASSERT_EQ(3u, read.Entries().size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_STREQ(written.Entries()[i].path.Full(), read.Entries()[i].path.Full());
        EXPECT_FALSE(read.Entries()[i].encrypted);
    }
    TestFiles::RemoveTree(folder);
}

// An empty name keeps the dialog open; a build stores its settings and leaves no DPM behind.
TEST_F(HspTest, BuildDialogMakesTheExecutableFromThePackfile) {
    StartFrame();
    OpenFile("main.hsp", "mes 1\r\n");
    MakeFile("packfile", "");
    Command(IDM_HSP_START_AX);
    {
        WhenDialog when("ビルド", [](HWND dialog) {
            Press(dialog, IDOK);
            EXPECT_TRUE(IsWindowVisible(dialog));
            SetDlgItemTextA(dialog, 1101, "mygame");
            SetDlgItemTextA(dialog, 1103, "800px");
            Press(dialog, IDOK);
        });
        Command(IDM_HSP_BUILD);
    }
    EXPECT_EQ("mygame\n実行可能ファイルのビルドに成功しました", LastMessage());
    EXPECT_NE(std::string::npos, TestFiles::Read(folder + "mygame.exe").find("width=800 height=480"));
    EXPECT_FALSE(TestFiles::Exists(folder + "mygame.dpm"));
    EXPECT_STREQ("mygame", Settings().buildFilename);
    EXPECT_EQ(800, Settings().buildWindowSizeX);
}

// A sample runs with the runtime its script names; a sample that does not compile runs nothing
// (not the object an earlier sample left).
TEST_F(HspTest, SampleViewerPreviewsRunsAndCopiesSamples) {
    StartFrame();
    TestFiles::Write(home->Path() + "sample\\basic\\broken.hsp", "mes \"x\r\n");
    Command(IDM_HSP_SAMPLES);
    auto *dialog = frame->Dialogs().OpenModeless<HspSmpViewerDialog>();
    ASSERT_NE(nullptr, dialog);
    HWND categories = GetDlgItem(dialog->GetHandle(), 1107);
    HWND samples = GetDlgItem(dialog->GetHandle(), 1108);
    EXPECT_EQ(2, SendMessageA(categories, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(3, SendMessageA(samples, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(TestFiles::Read(home->Path() + "sample\\basic\\broken.hsp"), dialog->Preview().GetText());

    Choose(categories, CB_SETCURSEL, 1, 1107, CBN_SELCHANGE);
    Choose(samples, LB_SETCURSEL, 1, 1108, LBN_SELCHANGE);
    EXPECT_EQ(home->Path() + "sample\\game\\mtdemo.hsp", dialog->SamplePath());
    Press(dialog->GetHandle(), 1112);
    const std::string object = TestFiles::ProgramFolder() + "work\\samplescript";
    EXPECT_EQ(std::vector<std::string>{home->Path() + "hsp3mt.exe \"" + object + "\""}, home->WaitForLaunches("hsp3mt.exe", 1));

    Choose(categories, CB_SETCURSEL, 0, 1107, CBN_SELCHANGE);
    Press(dialog->GetHandle(), 1112);
    Sleep(1000);
    EXPECT_TRUE(home->Launches("hsp3.exe").empty());

    Press(dialog->GetHandle(), 1119);
    EXPECT_EQ("mes \"x\r\n", Current().GetText());
    Press(dialog->GetHandle(), 1117);
    EXPECT_EQ(home->Path() + "sample\\basic\\broken.hsp", Current().path.Full());
}

// F1 looks up the selection or the word at the caret, at most 63 bytes and never half a
// character; a tool that is not installed is not started. The reserved words come with their
// names filled to 20 columns, read from common\ without moving the current folder.
TEST_F(HspTest, ToolsAndReservedWordsComeFromTheHome) {
    StartFrame();
    const std::string before = CurrentFolder();
    Command(IDM_HSP_RESERVED_KEYWORDS);
    EXPECT_EQ(before, CurrentFolder());
    auto *words = frame->Dialogs().OpenModeless<HspReservedKwDialog>();
    ASSERT_NE(nullptr, words);
    EXPECT_EQ(0u, ItemText(words->GetHandle(), 1025).find("goto                sys|func|1\r\ngosub               sys|func|1\r\n"));
    Current().SetText((std::string(62, 'a') + "表示" + std::string(36, 'b') + " mes").c_str());
    Current().SelectAll();
    Command(IDM_HSP_KEYWORD);
    Current().GotoPos(Current().GetLength() - 1);
    Command(IDM_HSP_KEYWORD);
    ASSERT_EQ(2u, desktop.launches.size());
    EXPECT_EQ(home->Path() + "hsphelp\\helpman.exe", desktop.launches[0].file);
    EXPECT_EQ(std::string(62, 'a'), desktop.launches[0].parameters);
    EXPECT_EQ("mes", desktop.launches[1].parameters);
    Command(IDM_HSP_MANUAL);
    EXPECT_EQ(home->Path() + "index.htm", desktop.launches.back().file);
    DeleteFileA((home->Path() + "hsp3demo.exe").c_str());
    Command(IDM_HSP_DEMO);
    EXPECT_EQ(3u, desktop.launches.size());
}
