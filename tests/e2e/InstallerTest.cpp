// The win64 installer made by scripts/package.sh, run silently as a user would script it: it
// installs the whole program directory, the installed editor runs, an upgrade keeps what the user
// changed and added, and the uninstaller removes the program and keeps only what the user chose.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/TestFiles.h"

namespace {

std::string Release() { return TestFiles::DistDirectory() + "..\\..\\release\\"; }

std::string Installer() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Release() + "Tamborel-*-win64-setup.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::string();
    FindClose(search);
    return Release() + found.cFileName;
}

// Every file below folder, as paths relative to it.
void ListFiles(const std::string &folder, const std::string &prefix, std::vector<std::string> &files) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + prefix + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder, prefix + name + "\\", files);
        else
            files.push_back(prefix + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// What a program directory holds after the program ran in it (logs, outputs, its settings) is not
// the program's.
bool Shipped(const std::string &file) {
    if (file.compare(0, 4, "log\\") == 0 || file.compare(0, 5, "work\\") == 0)
        return false;
    const bool xml = file.size() > 4 && file.compare(file.size() - 4, 4, ".xml") == 0;
    return !(file.compare(0, 6, "lexer\\") == 0 && xml);
}

bool RunToEnd(const std::string &program, const std::string &arguments) {
    ProgramRun run(program, TestFiles::DistDirectory(), arguments);
    DWORD code = 1;
    return run.Started() && run.WaitForExit(120000, code) && code == 0;
}

bool KeyExists(const char *key) {
    HKEY opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

const char uninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tamborel";

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A run without the 32-bit build makes no release (scripts/test.sh), and one found from an
        // earlier run may hold an older program; any other run must have made one.
        const char *skipped = getenv("TAMBOREL_SKIP_WIN32");
        if (skipped && std::string(skipped) == "1")
            GTEST_SKIP() << "no release made in a run without the 32-bit build";
        installer = Installer();
        ASSERT_FALSE(installer.empty()) << "run scripts/package.sh first: no installer in " << Release();
        folder = TestFiles::MakeTempFolder("tamborel-install");
        target = folder + "Tamborel\\";
    }
    // A skipped or failed set-up made no folder: an empty name would empty the working folder.
    void TearDown() override {
        if (!folder.empty())
            TestFiles::RemoveTree(folder);
    }

    bool Install() const { return RunToEnd(installer, "/S /D=" + target.substr(0, target.size() - 1)); }
    // In place (_?=): the uninstaller does not copy itself away first, so its end is the end.
    bool Uninstall(const std::string &options) const {
        return RunToEnd(target + "uninstall.exe", "/S " + options + (options.empty() ? "" : " ") + "_?=" +
                                                     target.substr(0, target.size() - 1));
    }

    std::string installer;
    std::string folder;
    std::string target;
};

}

TEST_F(InstallerTest, InstallsRunsUpgradesKeepingTheUsersFilesAndUninstalls) {
    ASSERT_TRUE(Install());
    std::vector<std::string> shipped, installed;
    ListFiles(TestFiles::DistDirectory(), "", shipped);
    ListFiles(target, "", installed);
    for (const std::string &file : shipped) {
        if (Shipped(file)) {
            EXPECT_TRUE(TestFiles::Exists(target + file)) << file;
        }
    }
    EXPECT_TRUE(TestFiles::Exists(target + "uninstall.exe"));
    EXPECT_TRUE(KeyExists(uninstallKey));

    {
        // A first start has no HSP home yet and asks for one before the main window shows.
        ProgramRun editor(target);
        HWND home = editor.WaitForWindow("#32770", "ワークスペース設定", 20000);
        ASSERT_NE(nullptr, home);
        PostMessageA(home, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        HWND frame = editor.WaitForMainWindow();
        ASSERT_NE(nullptr, frame);
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 1;
        ASSERT_TRUE(editor.WaitForExit(20000, code));
        EXPECT_EQ(0u, code);
    }
    // The editor made its settings; the user changes one and adds a client and keywords.
    const std::string settings = target + "lexer\\_common.xml";
    ASSERT_TRUE(TestFiles::Exists(settings));
    const std::string changed = TestFiles::Read(settings) + "<!-- mine -->";
    TestFiles::Write(settings, changed);
    CreateDirectoryA((target + "client\\mine").c_str(), nullptr);
    TestFiles::Write(target + "client\\mine\\client.exe", "x");
    TestFiles::Write(target + "lexer\\_common.kw", "mykeyword\r\n");
    DeleteFileA((target + "Tamborel.html").c_str());

    ASSERT_TRUE(Install());
    EXPECT_EQ(changed, TestFiles::Read(settings));
    EXPECT_EQ("x", TestFiles::Read(target + "client\\mine\\client.exe"));
    EXPECT_EQ("mykeyword\r\n", TestFiles::Read(target + "lexer\\_common.kw"));
    EXPECT_TRUE(TestFiles::Exists(target + "Tamborel.html"));

    ASSERT_TRUE(Uninstall(""));
    EXPECT_FALSE(TestFiles::Exists(target + "Tamborel.exe"));
    EXPECT_FALSE(TestFiles::Exists(target + "library\\Vessary.dll"));
    EXPECT_FALSE(TestFiles::Exists(target + "template"));
    EXPECT_FALSE(KeyExists(uninstallKey));
    EXPECT_EQ(changed, TestFiles::Read(settings));
    EXPECT_TRUE(TestFiles::Exists(target + "client\\mine\\client.exe"));

    ASSERT_TRUE(Install());
    ASSERT_TRUE(Uninstall("/REMOVESETTINGS"));
    std::vector<std::string> left;
    ListFiles(target, "", left);
    // Run in place, the uninstaller cannot remove itself; nothing else of the program is left.
    EXPECT_EQ(std::vector<std::string>{"uninstall.exe"}, left);
}
