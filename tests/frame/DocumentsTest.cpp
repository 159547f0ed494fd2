#include "FrameFixture.h"

#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "app/System.h"
#include "framework/FileSystem.h"
#include "language/FileTypes.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "resources/resource.h"
#include "support/TestFiles.h"

TEST_F(FrameTest, OpeningReusesTheEmptyUntitledTabAndSelectsWhatIsAlreadyOpen) {
    const std::string a = OpenFile("a.hsp", "mes 1\r\n");
    EXPECT_EQ(1, TabCount());
    EXPECT_EQ(FileTypes::Hsp, DocumentAt(0).Language());
    OpenFile("b.txt", "text\r\n");
    EXPECT_EQ(2, TabCount());
    EXPECT_EQ(1, frame->CurrentIndex());
    EXPECT_EQ(FileTypes::PlainText, DocumentAt(1).Language());
    ASSERT_TRUE(frame->Open(a.c_str()));
    EXPECT_EQ(2, TabCount());
    EXPECT_EQ(0, frame->CurrentIndex());

    // A modified untitled document is not reused.
    Command(IDM_NEW);
    Edit("x");
    OpenFile("c.as", "");
    EXPECT_EQ(4, TabCount());
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(FrameTest, TitleTabAndDocumentMenuFollowTheModifiedState) {
    const std::string path = OpenFile("R&D.hsp", "mes 1\r\n");
    EXPECT_EQ("<R&D.hsp> - Tamborel", Title());
    Edit("; ");
    EXPECT_EQ("<R&D.hsp*> - Tamborel", Title());
    EXPECT_EQ("R&&D.hsp*", TabText(0));
    char item[64] = "";
    GetMenuStringA(frame->MenuBar().Submenu(MainMenuBar::DocumentList), IDM_DOCUMENT_FIRST, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("R&&D.hsp", item);
    Command(IDM_SAVE);
    EXPECT_EQ("<R&D.hsp> - Tamborel", Title());
    EXPECT_EQ("; mes 1\r\n", TestFiles::Read(path));
}

// A save replaces the file with a whole new one: line ends become CRLF in the file and the
// view, the file keeps its attributes, and no temporary file stays behind.
TEST_F(FrameTest, FilesAreBytesReadWholeAndSavedWithCrlf) {
    const std::string lf = OpenFile("lf.hsp", "a\nb\r\nc\n");
    SetFileAttributesA(lf.c_str(), FILE_ATTRIBUTE_HIDDEN);
    Edit("x");
    ASSERT_TRUE(frame->Save(0));
    EXPECT_TRUE(GetFileAttributesA(lf.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ("xa\r\nb\r\nc\r\n", TestFiles::Read(lf));
    EXPECT_EQ("xa\r\nb\r\nc\r\n", Current().GetText());
    EXPECT_EQ(0u, TestFiles::Count(folder + "*.tmp"));

    std::string block(Document::BlockSize, 'q');
    for (size_t i = 0; i < block.size(); i += 97)
        block[i] = '\n';
    OpenFile("big.txt", block);
    EXPECT_EQ(block, Current().GetText());

    // Double-byte characters ending in 0x5C ("ソ", "表", "能"), a full-width space, no final line end.
    const std::string script = "; ソース\r\nmes \"表示します\"\r\n能力 = 1\t　\r\nあ";
    const std::string sjis = OpenFile("ソース.as", script);
    EXPECT_EQ(script, Current().GetText());
    ASSERT_TRUE(frame->Save(frame->CurrentIndex()));
    EXPECT_EQ(script, TestFiles::Read(sjis));
}

TEST_F(FrameTest, FailedSaveShowsTheErrorAndLeavesTheOriginalAsItWas) {
    const std::string original = "mes \"original\"\r\n";
    const std::string locked = OpenFile("locked.hsp", original);
    Edit("; changed\r\n");
    // Another program holds the file open without sharing it: the replace must fail.
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_FALSE(frame->Save(0));
    CloseHandle(holder);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ(locked + "\r\nこのファイルに保存できませんでした", desktop.messages[0].text);
    EXPECT_EQ("Tamborel", desktop.messages[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), desktop.messages[0].type & MB_ICONMASK);
    EXPECT_EQ(original, TestFiles::Read(locked));
    EXPECT_EQ("<locked.hsp*> - Tamborel", Title());
    // Nothing was changed, so nothing of the save stays behind.
    EXPECT_EQ(0u, TestFiles::Count(folder + "tmb*.tmp"));
}

TEST_F(FrameTest, CloseAsksAboutChangesAndHonoursEachAnswer) {
    const std::string path = OpenFile("close.hsp", "old\r\n");
    Command(IDM_NEW);
    frame->Select(0);
    Edit("new ");
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
    Edit("discarded ");
    desktop.answers = {IDNO};
    EXPECT_TRUE(frame->Close(frame->CurrentIndex()));
    EXPECT_EQ("new old\r\n", TestFiles::Read(path));
}

// The documents behind a closed one move down with their tabs and menu items; the last one
// closed leaves an empty untitled HSP document.
TEST_F(FrameTest, ClosingMovesTheDocumentsBehindDownAndTheLastLeavesAnUntitledOne) {
    for (int i = 0; i < 3; ++i)
        OpenFile("doc" + std::to_string(i) + ".txt", "x\r\n");
    frame->Select(2);
    ASSERT_TRUE(frame->Close(0));
    EXPECT_EQ(1, frame->CurrentIndex());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(i, DocumentAt(i).Index());
        EXPECT_EQ("doc" + std::to_string(i + 1) + ".txt", TabText(i));
    }
    HMENU list = frame->MenuBar().Submenu(MainMenuBar::DocumentList);
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(list, IDM_DOCUMENT_FIRST + 2, MF_BYCOMMAND));
    Command(IDM_CLOSE_DOCUMENT);
    EXPECT_EQ("doc1.txt", TabText(0));
    Command(IDM_CLOSE_DOCUMENT);
    ASSERT_EQ(1, TabCount());
    EXPECT_TRUE(Current().IsUntitled());
    EXPECT_EQ(FileTypes::Hsp, Current().Language());
    EXPECT_EQ(0, Current().GetLength());
}

TEST_F(FrameTest, ReloadAsksOnlyWhenModified) {
    const std::string path = OpenFile("reload.hsp", "first\r\n");
    TestFiles::Write(path, "second\r\n");
    Command(IDM_RELOAD);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ("second\r\n", Current().GetText());

    Edit("edit ");
    TestFiles::Write(path, "third\r\n");
    desktop.answers = {IDNO, IDYES};
    Command(IDM_RELOAD);
    ASSERT_EQ(1u, desktop.messages.size());
    EXPECT_EQ("reload.hsp\r\nこのファイルは変更されています。\r\n再読込すると変更内容が破棄されますが、よろしいですか？",
              desktop.messages[0].text);
    EXPECT_EQ("edit second\r\n", Current().GetText());
    Command(IDM_RELOAD);
    EXPECT_EQ("third\r\n", Current().GetText());
    EXPECT_FALSE(Current().IsModified());
}

TEST_F(FrameTest, CtrlTabAndCtrlShiftTabWrapAroundAndLanguageCommandsRecolour) {
    for (int i = 0; i < 3; ++i)
        OpenFile("w" + std::to_string(i) + ".txt", "");
    Command(IDM_NEXT_DOCUMENT);
    EXPECT_EQ(0, frame->CurrentIndex());
    Command(IDM_PREVIOUS_DOCUMENT);
    EXPECT_EQ(2, frame->CurrentIndex());
    Command(IDM_PREVIOUS_DOCUMENT);
    EXPECT_EQ("<w1.txt> - Tamborel", Title());
    Command(IDM_LANGUAGE_CPP);
    EXPECT_EQ(FileTypes::Cpp, Current().Language());
    EXPECT_EQ(FileTypes::Cpp, Current().GetLexer());
}

TEST_F(FrameTest, LaunchTableSendsFilesToTheirApplicationInsteadOfOpeningThem) {
    LexerCommon &common = System::Get().Settings().Common();
    const auto saved = common.launchTable;
    common.launchTable = {{"pdf", "C:\\viewer\\view.exe"}};
    const std::string pdf = OpenFile("manual.PDF", "%PDF");
    ASSERT_EQ(1u, desktop.launches.size());
    EXPECT_EQ("C:\\viewer\\view.exe", desktop.launches[0].file);
    EXPECT_EQ("\"" + pdf + "\"", desktop.launches[0].parameters);
    EXPECT_TRUE(Current().IsUntitled());

    OpenFile("game.hsp", "");
    EXPECT_EQ(1u, desktop.launches.size());
    common.launchTable["*"] = "C:\\any\\any.exe";
    OpenFile("notes.txt", "");
    ASSERT_EQ(2u, desktop.launches.size());
    EXPECT_EQ("C:\\any\\any.exe", desktop.launches[1].file);
    EXPECT_EQ(1, TabCount());
    common.launchTable = saved;
}

namespace {

HGLOBAL DropList(const std::string &names) {
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 1);
    auto *drop = static_cast<DROPFILES *>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char *>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

// What the shell hands a drop target when files are dragged from it.
class DraggedFiles : public IDataObject {
public:
    explicit DraggedFiles(std::string names) : names_(std::move(names)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC *format, STGMEDIUM *medium) override {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        *medium = {};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = DropList(names_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC *, STGMEDIUM *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC *format) override {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC *, FORMATETC *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC *, STGMEDIUM *, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA **) override { return E_NOTIMPL; }

private:
    std::string names_;
};

}

// Files dropped on the frame, the tab strip, a document's text or the split pane all open, in
// order, whether they come as a dropped-file list or by OLE drag and drop from the shell.
TEST_F(FrameTest, DroppedFilesOpenInOrderWhereverTheyLand) {
    const std::string names = MakeFile("drop1.hsp", "1") + '\0' + MakeFile("drop2.as", "2") + '\0';
    SendMessageA(frame->GetHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropList(names)), 0);
    Pump();
    ASSERT_EQ(2, TabCount());
    EXPECT_EQ("drop1.hsp", TabText(0));
    EXPECT_EQ("drop2.as", TabText(1));

    Command(IDM_SPLIT_VERTICAL);
    const HWND pane = frame->Documents().SplitPane()->GetHandle();
    SendMessageA(pane, WM_DROPFILES, reinterpret_cast<WPARAM>(DropList(MakeFile("drop3.hsp", "3") + '\0')), 0);
    Pump();
    EXPECT_EQ(3, TabCount());

    OleInitialize(nullptr);
    auto *target = static_cast<IDropTarget *>(GetPropW(Current().GetHandle(), L"OleDropTargetInterface"));
    ASSERT_NE(nullptr, target);
    DraggedFiles files(MakeFile("drop4.hsp", "4") + '\0');
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->DragEnter(&files, MK_LBUTTON, POINTL{10, 10}, &effect));
    EXPECT_EQ(static_cast<DWORD>(DROPEFFECT_COPY), effect);
    ASSERT_EQ(S_OK, target->Drop(&files, 0, POINTL{10, 10}, &effect));
    Pump();
    EXPECT_EQ(4, TabCount());
    EXPECT_EQ("drop4.hsp", TabText(3));
}

// One file has one name: a relative name is made absolute against the folder current when it
// was given, so another tab's folder changes nothing.
TEST_F(FrameTest, RelativeNamesBecomeAbsoluteWhenOpened) {
    MakeFile("rel.hsp", "mes 1\r\n");
    SetCurrentDirectoryA(folder.c_str());
    ASSERT_TRUE(frame->Open("rel.hsp"));
    EXPECT_STREQ((folder + "rel.hsp").c_str(), Current().path.Full());
    ASSERT_TRUE(frame->Open((folder + "rel.hsp").c_str()));
    EXPECT_EQ(1, TabCount());
    Command(IDM_NEW);
    SetCurrentDirectoryA(TestFiles::ProgramFolder().c_str());
    frame->Select(0);
    Edit("; ");
    ASSERT_TRUE(frame->Save(0));
    EXPECT_EQ("; mes 1\r\n", TestFiles::Read(folder + "rel.hsp"));
    EXPECT_FALSE(TestFiles::Exists(TestFiles::ProgramFolder() + "rel.hsp"));
}

// Several files chosen in a folder whose name ends in the byte of a backslash (表).
TEST_F(FrameTest, OpenDialogJoinsTheFolderAndEachChosenName) {
    ASSERT_TRUE(CreateDirectoryA((folder + "表").c_str(), nullptr));
    MakeFile("表\\a.hsp", "a");
    MakeFile("表\\b.hsp", "b");
    desktop.files = {folder + "表" + '\0' + "a.hsp" + '\0' + "b.hsp" + '\0'};
    Command(IDM_OPEN);
    ASSERT_EQ(2, TabCount());
    EXPECT_STREQ((folder + "表\\b.hsp").c_str(), Current().path.Full());
    EXPECT_TRUE(desktop.messages.empty());
}

// A file that cannot be read whole leaves no document that would pass for it: its save would
// cut the file short.
TEST_F(FrameTest, AFailedReadLeavesNoNamedDocument) {
    struct FailingSecondRead : FileSystem {
        int reads = 0;
        FailingSecondRead() { Install(this); }
        ~FailingSecondRead() override { Install(nullptr); }
        bool Read(HANDLE file, void *data, DWORD size, DWORD &got) override {
            if (++reads % 2 == 0) {
                SetLastError(ERROR_READ_FAULT);
                return false;
            }
            return FileSystem::Read(file, data, size, got);
        }
    };
    const std::string broken = MakeFile("broken.hsp", std::string(Document::BlockSize + 10, 'x'));
    OpenFile("other.hsp", "mes 1\r\n");
    {
        FailingSecondRead files;
        EXPECT_FALSE(frame->Open(broken.c_str()));
        Command(IDM_NEW);
        EXPECT_FALSE(frame->Open(broken.c_str()));
    }
    ASSERT_EQ(2u, desktop.messages.size());
    EXPECT_EQ(broken + "\r\nこのファイルを開けませんでした", desktop.messages[0].text);
    EXPECT_EQ(2, TabCount());
    EXPECT_TRUE(Current().IsUntitled());
    EXPECT_EQ(0, Current().GetLength());
    EXPECT_EQ(-1, frame->Documents().IndexOfPath(broken.c_str()));
}

TEST_F(FrameTest, AboutOpensTheHelpPageBesideTheProgram) {
    Command(IDM_ABOUT);
    ASSERT_EQ(1u, desktop.launches.size());
    EXPECT_EQ(TestFiles::ProgramFolder() + "Tamborel.html", desktop.launches[0].file);
}
