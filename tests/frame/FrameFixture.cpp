#include "FrameFixture.h"

#include "app/Tamborel.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

void FrameTest::SetUp() {
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    folder = TestFiles::MakeTempFolder("tamborel-frame");
    frame = std::make_unique<MainFrameWindow>();
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    ShowWindow(frame->GetHandle(), SW_SHOW);
    Pump();
}

void FrameTest::TearDown() {
    frame.reset();
    Pump();
    TestFiles::RemoveTree(folder);
}

std::string FrameTest::MakeFile(const std::string &name, const std::string &bytes) const {
    const std::string path = folder + name;
    TestFiles::Write(path, bytes);
    return path;
}

std::string FrameTest::OpenFile(const std::string &name, const std::string &bytes) const {
    const std::string path = MakeFile(name, bytes);
    EXPECT_TRUE(frame->Open(path.c_str())) << path;
    return path;
}

void FrameTest::Edit(const std::string &text) const {
    Current().InsertText(0, text.c_str());
    Pump();
}

void FrameTest::Pump() { PumpMessages(); }

void FrameTest::Command(UINT id) const { SendCommand(frame->GetHandle(), id); }

std::string FrameTest::Title() const {
    char title[512] = "";
    GetWindowTextA(frame->GetHandle(), title, sizeof title);
    return title;
}

std::string FrameTest::TabText(int index) const { return frame->Documents().GetItemText(index); }

int FrameTest::TabCount() const { return frame->Documents().GetItemCount(); }

Document &FrameTest::DocumentAt(int index) const { return *frame->Documents().At(index); }
