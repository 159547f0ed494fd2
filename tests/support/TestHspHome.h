// A test HSP installation in a fresh temporary folder, for tests of everything that uses an HSP
// home. It is a copy of the one the build makes from tests/hsphome/ (<build>\hsphome\):
// hspcmp.dll with all 59 entry points, which compiles for real (reads the script and its
// #includes from the current folder, then common\; reports errors as "name(line) : error ...";
// writes an object recording the source and the #runtime name; packs the packfile's list into
// DPMs and "executables"); runtimes hsp3.exe and hsp3mt.exe, the tools (hsp3demo.exe,
// ahtman.exe, hsplet3.exe, hsptv.exe, hsphelp\helpman.exe) and hsprt\ runtimes, all of which
// only record the command line they were started with; hsp3cnv.exe, which writes <name>.cpp
// from <name>.ax; common\ headers; sample\basic and sample\game; index.htm.
//
//     TestHspHome home;                                  // copied now, removed with the object
//     hspSettings.homeDirectory <- home.Path()           // ends with a backslash
//     ... compile, run a sample ...
//     home.WaitForLaunches("hsp3.exe", 1)                // the command lines hsp3.exe got
//
// End to end: ProgramFolder::WriteHsp("", home.SettingsEvent()) points a program at it.
// UseLibraryLacking("hsc3_messize") swaps in an older library without that entry point.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TestHspHome {
public:
    TestHspHome();
    ~TestHspHome();
    TestHspHome(const TestHspHome &) = delete;
    TestHspHome &operator=(const TestHspHome &) = delete;

    // The home folder, ending with a backslash.
    const std::string &Path() const { return home_; }
    // The command lines a program of the home (relative name: "hsp3.exe", "hsphelp\\helpman.exe")
    // was started with, oldest first.
    std::vector<std::string> Launches(const std::string &program) const;
    // Waits until the program was started at least count times; the launches so far. Generous:
    // a process start under Wine on a busy machine has been seen to take over ten seconds.
    std::vector<std::string> WaitForLaunches(const std::string &program, size_t count, DWORD timeout = 30000) const;
    // Replaces hspcmp.dll with a built variant lacking an entry point (only "hsc3_messize").
    void UseLibraryLacking(const std::string &entry) const;
    // lexer\hsp.xml's <event> content naming this home, with the start-up prompt off.
    std::string SettingsEvent() const;

    // Where the build put the installation, ending with a backslash.
    static std::string BuiltHome();

private:
    std::string home_;
};
