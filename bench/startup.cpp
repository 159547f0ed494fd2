// Time from process start to the main window shown and idle: the editor against Wine's own
// notepad.exe, started the same way, alternating, fifteen rounds each. Arguments naming another
// build's Tamborel.exe time that build too, in the same rounds and from a copy made the same
// way (an earlier build, to measure a change before and after in one run); other arguments are
// ignored.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/ProgramRun.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

// Seconds until a visible window of the class is shown and the process waits for input, or -1;
// the window is closed afterwards.
double TimeStart(const std::string &program, const std::string &directory, const char *className) {
    const double start = Seconds();
    ProgramRun run(program, directory, "");
    HWND window = run.WaitForWindow(className, nullptr, 30000);
    const double elapsed = window ? Seconds() - start : -1;
    DWORD code = 0;
    if (window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        run.WaitForExit(10000, code);
    }
    return elapsed;
}

struct Contender {
    std::string name, program, directory;
    const char *windowClass;
    std::vector<double> times;
};

// A scratch program directory with the build of dist (the current one when empty), started
// without the HSP home dialog.
std::string ProgramCopy(const std::string &dist) {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-bench");
    TestFiles::CopyProgram(folder, true, dist.empty() ? TestFiles::DistDirectory() : dist);
    TestFiles::Write(folder + "lexer\\hsp.xml",
                     "<body><style/><event><type id=\"open\"><property id=\"home_prompt\">no</property></type></event></body>");
    return folder;
}

}

int main(int argc, char **argv) {
    std::vector<std::string> folders{ProgramCopy("")};
    const std::string &folder = folders.front();
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::vector<Contender> contenders{{"Tamborel.exe", folder + "Tamborel.exe", folder, "TamborelWindowClass", {}},
                                      {"notepad.exe", std::string(windows) + "\\notepad.exe", folder, "Notepad", {}}};
    for (int i = 1; i < argc; ++i) {
        const std::string program = argv[i];
        if (program.size() < 12 || _stricmp(program.c_str() + program.size() - 12, "Tamborel.exe") != 0)
            continue;
        folders.push_back(ProgramCopy(program.substr(0, program.size() - 12)));
        contenders.push_back({program, folders.back() + "Tamborel.exe", folders.back(), "TamborelWindowClass", {}});
    }

    // A first start of each warms the file cache; it is not counted.
    for (Contender &c : contenders)
        TimeStart(c.program, c.directory, c.windowClass);
    for (int round = 0; round < 15; ++round) {
        for (Contender &c : contenders)
            c.times.push_back(TimeStart(c.program, c.directory, c.windowClass));
    }
    for (const std::string &made : folders)
        TestFiles::RemoveTree(made);
    const double notepad = Median(contenders[1].times);
    const double notepadBest = *std::min_element(contenders[1].times.begin(), contenders[1].times.end());
    for (const Contender &c : contenders) {
        if (*std::min_element(c.times.begin(), c.times.end()) < 0) {
            std::printf("%s did not show its window\n", c.name.c_str());
            return 1;
        }
        const double best = *std::min_element(c.times.begin(), c.times.end());
        std::printf("%s: %.0f ms to its window shown and idle (median of 15; best %.0f ms); to notepad %.2f (best %.2f)\n",
                    c.name.c_str(), Median(c.times) * 1000, best * 1000, Median(c.times) / notepad, best / notepadBest);
    }
    return 0;
}
