#include "HspFixture.h"

#include "app/System.h"
#include "app/Tamborel.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
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

void HspTest::Command(UINT id) const {
    SendMessageA(frame->GetHandle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

void HspTest::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string HspTest::CurrentFolder() const {
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    return current;
}

namespace {
WhenDialog *waiting;

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM param) {
    auto *found = reinterpret_cast<std::pair<const std::string *, HWND> *>(param);
    char caption[256] = "";
    char className[32] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    GetClassNameA(hwnd, className, sizeof className);
    if (IsWindowVisible(hwnd) && *found->first == caption && std::string(className) == "#32770") {
        found->second = hwnd;
        return FALSE;
    }
    return TRUE;
}
}

WhenDialog::WhenDialog(std::string caption, std::function<void(HWND)> action)
    : caption_(std::move(caption)), action_(std::move(action)) {
    waiting = this;
    timer_ = SetTimer(nullptr, 0, 30, &WhenDialog::Tick);
}

WhenDialog::~WhenDialog() {
    if (timer_)
        KillTimer(nullptr, timer_);
    waiting = nullptr;
}

void CALLBACK WhenDialog::Tick(HWND, UINT, UINT_PTR, DWORD) {
    WhenDialog *self = waiting;
    if (!self || self->seen_)
        return;
    std::pair<const std::string *, HWND> found{&self->caption_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindCaption, reinterpret_cast<LPARAM>(&found));
    if (!found.second)
        return;
    self->seen_ = true;
    KillTimer(nullptr, self->timer_);
    self->timer_ = 0;
    self->action_(found.second);
}

std::string ItemText(HWND dialog, int id) {
    char text[8192] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))); }
