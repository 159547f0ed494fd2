// Time from process start to the main window shown and idle: the editor against Wine's own
// notepad.exe, started the same way, alternating, five rounds each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/TestFiles.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD process;
    const char *className;
    HWND found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM data) {
    auto *search = reinterpret_cast<Search *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (owner == search->process && std::string(name) == search->className && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Seconds until a visible window of the class is shown and the process waits for input; the
// window is closed afterwards. Negative on failure.
double TimeStart(const std::string &program, const std::string &directory, const char *className) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const double start = Now();
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup, &info))
        return -1;
    Search search{info.dwProcessId, className, nullptr};
    while (!search.found && Now() - start < 30) {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(1);
    }
    WaitForInputIdle(info.hProcess, 30000);
    const double elapsed = search.found ? Now() - start : -1;
    if (search.found)
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

    std::vector<double> editor, reference;
    // A first start of each warms the file cache; it is not counted.
    TimeStart(folder + "Tamborel.exe", folder, "TamborelWindowClass");
    TimeStart(notepad, folder, "Notepad");
    for (int round = 0; round < 5; ++round) {
        editor.push_back(TimeStart(folder + "Tamborel.exe", folder, "TamborelWindowClass"));
        reference.push_back(TimeStart(notepad, folder, "Notepad"));
    }
    const double e = Median(editor), n = Median(reference);
    if (e < 0 || n < 0) {
        std::printf("a program did not show its window\n");
        return 1;
    }
    std::printf("Tamborel.exe: %.0f ms to its window shown and idle (median of 5)\n", e * 1000);
    std::printf("notepad.exe:  %.0f ms\n", n * 1000);
    std::printf("ratio Tamborel / notepad: %.2f\n", e / n);
    TestFiles::RemoveTree(folder);
    return 0;
}
