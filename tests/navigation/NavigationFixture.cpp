#include "NavigationFixture.h"

#include "app/System.h"
#include "app/Tamborel.h"
#include "log/Logger.h"
#include "navigation/NavigationCommands.h"
#include "project/ProjectQuery.h"
#include "settings/LexerHsp.h"
#include "settings/Setting.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

// The project part as navigation sees it: an entry point and a list of files.
struct ProjectDouble : public Subsystem, public ProjectQuery {
    bool open = false;
    std::string entry;
    std::vector<std::string> files;

    bool IsProjectOpen() const override { return open; }
    std::string ProjectName() const override { return open ? "test" : ""; }
    std::string ProjectPath() const override { return ""; }
    std::string EntryPoint() const override { return entry; }
    std::string StartupFile() const override { return ""; }
    bool SaveAllBeforeCompile() const override { return false; }
    bool ContainsFile(const char *path) const override {
        for (const std::string &file : files)
            if (path && file == path)
                return true;
        return false;
    }
    std::vector<std::string> ListProjectFiles() const override { return files; }
    bool PaneShown() const override { return false; }
    const ProjectKeywordFiles *KeywordFiles() const override { return nullptr; }
    bool OpenProject(const char *) override { return false; }
    void CloseProject() override {}
};

namespace {
std::string LogFile() { return TestFiles::ProgramFolder() + "log\\Tamborel1.log"; }
}

void NavigationTest::SetUp() {
    EditControl::Library();
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    folder = TestFiles::MakeTempFolder("tamborel-nav");
    home = folder + "home\\";
    CreateDirectoryA(home.c_str(), nullptr);
    CreateDirectoryA((home + "common").c_str(), nullptr);
    LexerHsp &hsp = System::Get().Settings().Hsp();
    lstrcpynA(hsp.homeDirectory, home.c_str(), sizeof hsp.homeDirectory);
    System::Get().GetLogger().level = 2;
    logStart_ = TestFiles::Exists(LogFile()) ? TestFiles::Read(LogFile()).size() : 0;

    frame = std::make_unique<MainFrameWindow>();
    ASSERT_TRUE(frame->Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                              GetModuleHandleA(nullptr), frame.get()));
    auto double_ = std::make_unique<ProjectDouble>();
    project = double_.get();
    frame->AddSubsystem(std::move(double_));
    ShowWindow(frame->GetHandle(), SW_SHOW);
    Pump();
}

void NavigationTest::TearDown() {
    frame.reset();
    Pump();
    System::Get().GetLogger().level = 0;
    TestFiles::RemoveTree(folder);
}

std::string NavigationTest::MakeFile(const std::string &name, const std::string &bytes) const {
    const bool inHome = name.compare(0, 5, "home:") == 0;
    const std::string path = (inHome ? home + "common\\" + name.substr(5) : folder + name);
    const size_t slash = path.find_last_of('\\');
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    TestFiles::Write(path, bytes);
    return path;
}

std::string NavigationTest::OpenFile(const std::string &name, const std::string &bytes) const {
    const std::string path = MakeFile(name, bytes);
    EXPECT_TRUE(frame->Open(path.c_str())) << path;
    return path;
}

void NavigationTest::Pump() { PumpMessages(); }

void NavigationTest::Command(UINT id) const { SendCommand(frame->GetHandle(), id); }

NavigationCommands &NavigationTest::Navigation() const { return *frame->Find<NavigationCommands>(); }

void NavigationTest::SetProject(const std::string &entry, const std::vector<std::string> &files) {
    project->open = !files.empty();
    project->entry = entry;
    project->files = files;
}

std::string NavigationTest::LogSince() const {
    const std::string log = TestFiles::Exists(LogFile()) ? TestFiles::Read(LogFile()) : "";
    return log.size() > logStart_ ? log.substr(logStart_) : "";
}
