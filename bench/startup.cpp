// Time from process start to the main window shown and idle: the editor against Wine's own
// notepad.exe, started the same way, alternating, five rounds each.
#include <windows.h>

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

}

int main() {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-bench");
    TestFiles::CopyProgram(folder, true);
    TestFiles::Write(folder + "lexer\\hsp.xml",
                     "<body><style/><event><type id=\"open\"><property id=\"home_prompt\">no</property></type></event></body>");
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string notepad = std::string(windows) + "\\notepad.exe";
    const std::string editor = folder + "Tamborel.exe";

    // A first start of each warms the file cache; it is not counted.
    TimeStart(editor, folder, "TamborelWindowClass");
    TimeStart(notepad, folder, "Notepad");
    std::vector<double> ours, reference;
    for (int round = 0; round < 5; ++round) {
        ours.push_back(TimeStart(editor, folder, "TamborelWindowClass"));
        reference.push_back(TimeStart(notepad, folder, "Notepad"));
    }
    const double e = Median(ours), n = Median(reference);
    TestFiles::RemoveTree(folder);
    if (e < 0 || n < 0) {
        std::printf("a program did not show its window\n");
        return 1;
    }
    std::printf("Tamborel.exe: %.0f ms to its window shown and idle (median of 5)\n", e * 1000);
    std::printf("notepad.exe:  %.0f ms\n", n * 1000);
    std::printf("ratio Tamborel / notepad: %.2f\n", e / n);
    return 0;
}
