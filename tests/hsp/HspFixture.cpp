#include "HspFixture.h"

#include "app/System.h"
#include "app/Tamborel.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

LexerHsp &HspTest::Settings() { return System::Get().Settings().Hsp(); }

void HspTest::SetUp() {
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    home = std::make_unique<TestHspHome>();
    folder = TestFiles::MakeTempFolder("tamborel-hsp");
}

void HspTest::StartFrame() {
    Settings().homePrompt = false;
    lstrcpynA(Settings().homeDirectory, home->Path().c_str(), MAX_PATH);
    frame = std::make_unique<MainFrameWindow>();
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    Part().StartUp();
    ShowWindow(frame->GetHandle(), SW_SHOW);
    Pump();
}

void HspTest::TearDown() {
    frame.reset();
    Pump();
    SetCurrentDirectoryA(TestFiles::ProgramFolder().c_str());
    TestFiles::RemoveTree(folder);
    home.reset();
}

std::string HspTest::MakeFile(const std::string &name, const std::string &bytes) const {
    TestFiles::Write(folder + name, bytes);
    return folder + name;
}

std::string HspTest::OpenFile(const std::string &name, const std::string &bytes) const {
    const std::string path = MakeFile(name, bytes);
    EXPECT_TRUE(frame->Open(path.c_str())) << path;
    return path;
}

void HspTest::Command(UINT id) const { SendCommand(frame->GetHandle(), id); }

void HspTest::Pump() { PumpMessages(); }

std::string HspTest::CurrentFolder() const {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

namespace {
WhenDialog *waiting;
HWND found;

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM caption) {
    char text[256] = "";
    char className[32] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    GetClassNameA(hwnd, className, sizeof className);
    const bool match = IsWindowVisible(hwnd) && *reinterpret_cast<const std::string *>(caption) == text &&
                       std::string(className) == "#32770";
    found = match ? hwnd : found;
    return !match;
}
}

WhenDialog::WhenDialog(std::string caption, std::function<void(HWND)> action)
    : caption_(std::move(caption)), action_(std::move(action)), timer_(SetTimer(nullptr, 0, 30, &WhenDialog::Tick)) {
    waiting = this;
}

WhenDialog::~WhenDialog() {
    KillTimer(nullptr, timer_);
    waiting = nullptr;
}

void CALLBACK WhenDialog::Tick(HWND, UINT, UINT_PTR, DWORD) {
    found = nullptr;
    if (!waiting || waiting->seen_ || EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(&waiting->caption_)))
        return;
    waiting->seen_ = true;
    waiting->action_(found);
}

std::string ItemText(HWND dialog, int id) {
    char text[8192] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))); }
