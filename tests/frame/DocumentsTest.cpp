#include "FrameFixture.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "app/System.h"
#include "language/FileTypes.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "resources/resource.h"
#include "support/TestFiles.h"

namespace {
// Shift-JIS text whose double-byte characters end in 0x5C ("ソ", "表", "能") and 0x40.
const std::string shiftJisScript =
    "; \x83\x5C\x81\x5B\x83\x58\r\n"           // ソース
    "mes \"\x95\x5C\x8E\xA6\x82\xB5\x82\xDC\x82\xB7\"\r\n" // 表示します
    "\x94\x5C\x97\xCD = 1\t\x81\x40\r\n"       // 能力 = 1, tab, full-width space
    "\x82\xA0";                                // あ, no line end
}

TEST_F(FrameTest, OpeningReusesTheEmptyUntitledTabAndSelectsWhatIsAlreadyOpen) {
    const std::string a = MakeFile("a.hsp", "mes 1\r\n");
    const std::string b = MakeFile("b.txt", "text\r\n");
    ASSERT_EQ(1, TabCount());
    ASSERT_TRUE(frame->Open(a.c_str()));
    EXPECT_EQ(1, TabCount());
    EXPECT_EQ("a.hsp", TabText(0));
    EXPECT_EQ(FileTypes::Hsp, DocumentAt(0).Language());

    ASSERT_TRUE(frame->Open(b.c_str()));
    EXPECT_EQ(2, TabCount());
    EXPECT_EQ(1, frame->CurrentIndex());
    EXPECT_EQ(FileTypes::PlainText, DocumentAt(1).Language());

    ASSERT_TRUE(frame->Open(a.c_str()));
    EXPECT_EQ(2, TabCount());
    EXPECT_EQ(0, frame->CurrentIndex());
    EXPECT_EQ("<a.hsp> - Tamborel", Title());

    // A modified untitled document is not reused.
    Command(IDM_NEW);
    EXPECT_EQ(3, TabCount());
    Current().ReplaceSel("x");
    Pump();
    const std::string c = MakeFile("c.as", "");
    ASSERT_TRUE(frame->Open(c.c_str()));
    EXPECT_EQ(4, TabCount());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FrameTest, TitleTabAndDocumentMenuFollowTheModifiedState) {
    const std::string path = MakeFile("R&D.hsp", "mes 1\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    EXPECT_EQ("R&&D.hsp", TabText(0));
    Current().InsertText(0, "; ");
    Pump();
    EXPECT_TRUE(Current().IsModified());
    EXPECT_EQ("<R&D.hsp*> - Tamborel", Title());
    EXPECT_EQ("R&&D.hsp*", TabText(0));
    char item[64] = "";
    GetMenuStringA(frame->MenuBar().Submenu(MainMenuBar::DocumentList), IDM_DOCUMENT_FIRST, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("R&&D.hsp", item);

    Command(IDM_SAVE);
    EXPECT_FALSE(Current().IsModified());
    EXPECT_EQ("<R&D.hsp> - Tamborel", Title());
    EXPECT_EQ("; mes 1\r\n", TestFiles::Read(path));
}

TEST_F(FrameTest, FilesAreBytesReadWholeAndSavedWithCrlf) {
    const std::string lf = MakeFile("lf.hsp", "a\nb\r\nc\n");
    ASSERT_TRUE(frame->Open(lf.c_str()));
    Current().InsertText(0, "x");
    Pump();
    ASSERT_TRUE(frame->Save(0));
    EXPECT_EQ("xa\r\nb\r\nc\r\n", TestFiles::Read(lf));
    EXPECT_EQ("xa\r\nb\r\nc\r\n", Current().GetText());

    std::string block(Document::BlockSize, 'q');
    for (size_t i = 0; i < block.size(); i += 97)
        block[i] = '\n';
    const std::string big = MakeFile("big.txt", block);
    ASSERT_TRUE(frame->Open(big.c_str()));
    EXPECT_EQ(Document::BlockSize, Current().GetLength());
    EXPECT_EQ(block, Current().GetText());

    const std::string sjis = MakeFile("\x83\x5C\x81\x5B\x83\x58.as", shiftJisScript);
    ASSERT_TRUE(frame->Open(sjis.c_str()));
    EXPECT_EQ(shiftJisScript, Current().GetText());
    ASSERT_TRUE(frame->Save(frame->CurrentIndex()));
    EXPECT_EQ(shiftJisScript, TestFiles::Read(sjis));
}

TEST_F(FrameTest, FailedSaveShowsTheErrorAndLeavesTheOriginalAsItWas) {
    // Another program holds the file open without sharing it: the replace must fail.
    const std::string original = "mes \"original\"\r\n";
    const std::string locked = MakeFile("locked.hsp", original);
    ASSERT_TRUE(frame->Open(locked.c_str()));
    Current().InsertText(0, "; changed\r\n");
    Pump();
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_FALSE(frame->Save(0));
    CloseHandle(holder);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ(locked + "\r\n" + "このファイルに保存できませんでした", desktop.messages[0].text);
    EXPECT_EQ("Tamborel", desktop.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), desktop.messages[0].type & MB_ICONMASK);
    EXPECT_EQ(original, TestFiles::Read(locked));
    EXPECT_TRUE(Current().IsModified());
    EXPECT_EQ("<locked.hsp*> - Tamborel", Title());

    const std::string gone = folder + "gone\\";
    CreateDirectoryA(gone.c_str(), nullptr);
    TestFiles::Write(gone + "lost.hsp", original);
    ASSERT_TRUE(frame->Open((gone + "lost.hsp").c_str()));
    Current().InsertText(0, "; kept in the editor\r\n");
    Pump();
    // Opening made the folder current; a current folder cannot be removed.
    SetCurrentDirectoryA(folder.c_str());
    TestFiles::RemoveTree(gone);
    ASSERT_FALSE(TestFiles::Exists(gone));
    EXPECT_FALSE(frame->Save(frame->CurrentIndex()));
    EXPECT_EQ(2u, desktop.messages.size());
    EXPECT_FALSE(TestFiles::Exists(gone));
    EXPECT_EQ("; kept in the editor\r\n" + original, Current().GetText());
}

TEST_F(FrameTest, SavingKeepsTheFileAttributesAndLeavesNoTemporaryFileBehind) {
    const std::string path = MakeFile("hidden.hsp", "a\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(frame->Open(path.c_str()));
    Current().InsertText(0, "b");
    Pump();
    ASSERT_TRUE(frame->Save(0));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("ba\r\n", TestFiles::Read(path));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.tmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search);
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(FrameTest, CloseAsksAboutChangesAndHonoursEachAnswer) {
    const std::string path = MakeFile("close.hsp", "old\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    Command(IDM_NEW);
    ASSERT_EQ(2, TabCount());
    frame->Select(0);
    Current().InsertText(0, "new ");
    Pump();

    desktop.answers = {IDCANCEL};
    EXPECT_FALSE(frame->Close(0));
    EXPECT_EQ(2, TabCount());
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("close.hsp\r\nこのファイルは変更されています。保存しますか？", desktop.messages[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3), desktop.messages[0].type);

    desktop.answers = {IDYES};
    EXPECT_TRUE(frame->Close(0));
    EXPECT_EQ(1, TabCount());
    EXPECT_EQ("new old\r\n", TestFiles::Read(path));

    ASSERT_TRUE(frame->Open(path.c_str()));
    Current().InsertText(0, "discarded ");
    Pump();
    desktop.answers = {IDNO};
    EXPECT_TRUE(frame->Close(frame->CurrentIndex()));
    EXPECT_EQ("new old\r\n", TestFiles::Read(path));
}

TEST_F(FrameTest, ClosingTheLastDocumentLeavesOneEmptyUntitledHspDocument) {
    const std::string path = MakeFile("only.txt", "text\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    Command(IDM_CLOSE_DOCUMENT);
    ASSERT_EQ(1, TabCount());
    EXPECT_TRUE(Current().IsUntitled());
    EXPECT_EQ(FileTypes::Hsp, Current().Language());
    EXPECT_EQ(0, Current().GetLength());
    EXPECT_EQ("", TabText(0));
}

TEST_F(FrameTest, ClosingMovesTheDocumentsBehindDownAndKeepsTheCurrentOne) {
    std::string paths[4];
    for (int i = 0; i < 4; ++i) {
        paths[i] = MakeFile("doc" + std::to_string(i) + ".hsp", "x\r\n");
        ASSERT_TRUE(frame->Open(paths[i].c_str()));
    }
    frame->Select(2);
    ASSERT_TRUE(frame->Close(0));
    EXPECT_EQ(3, TabCount());
    EXPECT_EQ(1, frame->CurrentIndex());
    EXPECT_EQ("doc2.hsp", std::string(Current().path.FilePart()));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i, DocumentAt(i).Index());
        EXPECT_EQ("doc" + std::to_string(i + 1) + ".hsp", TabText(i));
    }
    ASSERT_TRUE(frame->Close(2));
    EXPECT_EQ("doc2.hsp", std::string(Current().path.FilePart()));
    ASSERT_TRUE(frame->Close(frame->CurrentIndex()));
    EXPECT_EQ("doc1.hsp", std::string(Current().path.FilePart()));
    HMENU list = frame->MenuBar().Submenu(MainMenuBar::DocumentList);
    EXPECT_NE(static_cast<UINT>(-1), GetMenuState(list, IDM_DOCUMENT_FIRST, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(list, IDM_DOCUMENT_FIRST + 1, MF_BYCOMMAND));
}

TEST_F(FrameTest, ReloadAsksOnlyWhenModified) {
    const std::string path = MakeFile("reload.hsp", "first\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    TestFiles::Write(path, "second\r\n");
    Command(IDM_RELOAD);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ("second\r\n", Current().GetText());

    Current().InsertText(0, "edit ");
    Pump();
    TestFiles::Write(path, "third\r\n");
    desktop.answers = {IDNO};
    Command(IDM_RELOAD);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("reload.hsp\r\nこのファイルは変更されています。\r\n再読込すると変更内容が破棄されますが、よろしいですか？",
              desktop.messages[0].text);
    EXPECT_EQ("edit second\r\n", Current().GetText());

    desktop.answers = {IDYES};
    Command(IDM_RELOAD);
    EXPECT_EQ("third\r\n", Current().GetText());
    EXPECT_FALSE(Current().IsModified());
    EXPECT_EQ(1, TabCount());
}

TEST_F(FrameTest, CtrlTabAndCtrlShiftTabWrapAround) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(frame->Open(MakeFile("w" + std::to_string(i) + ".hsp", "").c_str()));
    ASSERT_EQ(2, frame->CurrentIndex());
    Command(IDM_NEXT_DOCUMENT);
    EXPECT_EQ(0, frame->CurrentIndex());
    Command(IDM_PREVIOUS_DOCUMENT);
    EXPECT_EQ(2, frame->CurrentIndex());
    Command(IDM_PREVIOUS_DOCUMENT);
    EXPECT_EQ(1, frame->CurrentIndex());
    EXPECT_EQ("<w1.hsp> - Tamborel", Title());
}

TEST_F(FrameTest, LanguageCommandsChangeTheLexerOnlyWhenItDiffers) {
    const std::string path = MakeFile("lang.txt", "int main;\r\n");
    ASSERT_TRUE(frame->Open(path.c_str()));
    EXPECT_EQ(FileTypes::PlainText, Current().GetLexer());
    Command(IDM_LANGUAGE_CPP);
    EXPECT_EQ(FileTypes::Cpp, Current().Language());
    EXPECT_EQ(FileTypes::Cpp, Current().GetLexer());
    Current().SetLexer(FileTypes::Sql);
    Command(IDM_LANGUAGE_CPP);
    EXPECT_EQ(FileTypes::Sql, Current().GetLexer()) << "the same language must not reconfigure the view";
}

TEST_F(FrameTest, LaunchTableSendsFilesToTheirApplicationInsteadOfOpeningThem) {
    LexerCommon &common = System::Get().Settings().Common();
    const auto saved = common.launchTable;
    common.launchTable = {{"pdf", "C:\\viewer\\view.exe"}};
    const std::string pdf = MakeFile("manual.PDF", "%PDF");
    const std::string hsp = MakeFile("game.hsp", "");
    EXPECT_TRUE(frame->Open(pdf.c_str()));
    ASSERT_EQ(1u, desktop.launches.size());
    EXPECT_EQ("C:\\viewer\\view.exe", desktop.launches[0].file);
    EXPECT_EQ("\"" + pdf + "\"", desktop.launches[0].parameters);
    EXPECT_TRUE(Current().IsUntitled());

    ASSERT_TRUE(frame->Open(hsp.c_str()));
    EXPECT_EQ(1u, desktop.launches.size());
    common.launchTable["*"] = "C:\\any\\any.exe";
    const std::string txt = MakeFile("notes.txt", "");
    EXPECT_TRUE(frame->Open(txt.c_str()));
    ASSERT_EQ(2u, desktop.launches.size());
    EXPECT_EQ("C:\\any\\any.exe", desktop.launches[1].file);
    EXPECT_EQ(1, TabCount());
    common.launchTable = saved;
}

TEST_F(FrameTest, DroppedFilesOpenInOrder) {
    const std::string first = MakeFile("drop1.hsp", "1");
    const std::string second = MakeFile("drop2.as", "2");
    const std::string names = first + '\0' + second + '\0' + '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto *drop = static_cast<DROPFILES *>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    SendMessageA(frame->GetHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    Pump();
    ASSERT_EQ(2, TabCount());
    EXPECT_EQ("drop1.hsp", TabText(0));
    EXPECT_EQ("drop2.as", TabText(1));
    EXPECT_EQ(1, frame->CurrentIndex());
}

TEST_F(FrameTest, AboutOpensTheHelpPageBesideTheProgram) {
    Command(IDM_ABOUT);
    ASSERT_EQ(1u, desktop.launches.size());
    EXPECT_EQ(TestFiles::ProgramFolder() + "Tamborel.html", desktop.launches[0].file);
}
