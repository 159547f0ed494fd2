// Memory while opening a 50 MB HSP script of short lines: the peak working set of the real
// program given the file on its command line, seen from outside, against the file size and
// against the same program started empty; then, in this process, the working set after each step
// of the open, so that where it goes shows.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "frame/MainFrameWindow.h"
#include "editor/Document.h"
#include "framework/KernelHandle.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

PROCESS_MEMORY_COUNTERS_EX Memory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&counters), sizeof counters);
    return counters;
}

// The real program's peak working set once its window's title holds the file name (or, for no
// file, once the window shows), and the seconds that took.
size_t ProgramPeak(const std::string &file, double &seconds) {
    ProgramFolder folder;
    const double start = Seconds();
    ProgramRun run(folder.Path(), file.empty() ? "" : "\"" + file + "\"");
    HWND window = run.WaitForMainWindow(60000);
    char title[512] = "";
    while (window && !file.empty() && !std::strstr(title, "big.hsp") && Seconds() - start < 120) {
        Sleep(10);
        GetWindowTextA(window, title, sizeof title);
    }
    seconds = Seconds() - start;
    Sleep(500);
    const KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.ProcessId()));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!window || !GetProcessMemoryInfo(process.Get(), &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize;
}

// The load as it was before the line count: the file's blocks appended into room made for the
// text only.
double AppendBlocks(Document &document, const std::string &file, size_t size) {
    const double start = Seconds();
    const KernelHandle in(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::vector<char> block(Document::BlockSize);
    document.ClearAll();
    document.SetUndoCollection(false);
    document.Allocate(static_cast<Document::Position>(size) + 1);
    DWORD got = 0;
    while (ReadFile(in.Get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr) && got > 0)
        document.AddText(block.data(), static_cast<Document::Position>(got));
    document.SetUndoCollection(true);
    return Seconds() - start;
}

double Mb(size_t bytes) { return static_cast<double>(bytes) / 1048576.0; }

void Step(const char *name, size_t fileSize) {
    const PROCESS_MEMORY_COUNTERS_EX now = Memory();
    std::printf("%-34s working set %7.1f MB  private %7.1f MB  peak %7.1f MB (%.2fx file)\n", name, Mb(now.WorkingSetSize),
                Mb(now.PrivateUsage), Mb(now.PeakWorkingSetSize),
                static_cast<double>(now.PeakWorkingSetSize) / static_cast<double>(fileSize));
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;
    size_t size = 0;
    intptr_t lines = 0;
    const std::string file = folder + "big.hsp";
    {
        // Written a piece at a time, so that the text is never held whole before the open.
        std::string piece;
        const std::string script = SampleScript();
        while (piece.size() < 1024 * 1024)
            piece += script;
        const KernelHandle out(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        for (; size < 50u * 1024 * 1024; size += piece.size()) {
            DWORD written = 0;
            WriteFile(out.Get(), piece.data(), static_cast<DWORD>(piece.size()), &written, nullptr);
        }
    }
    double empty = 0, opened = 0;
    const size_t emptyPeak = ProgramPeak("", empty), openedPeak = ProgramPeak(file, opened);
    std::printf("Tamborel.exe started empty:       peak working set %7.1f MB (%.1f s to the window)\n", Mb(emptyPeak), empty);
    std::printf("Tamborel.exe started with the file: peak working set %7.1f MB = %.2fx file, %.2fx above empty (%.1f s to the title)\n",
                Mb(openedPeak), static_cast<double>(openedPeak) / static_cast<double>(size),
                (static_cast<double>(openedPeak) - static_cast<double>(emptyPeak)) / static_cast<double>(size), opened);
    // The file was made in this process: its pages go back before anything is measured.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));

    MainFrameWindow frame;
    frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 800, nullptr, nullptr,
                 GetModuleHandleA(nullptr), &frame);
    ShowWindow(frame.GetHandle(), SW_SHOW);
    PumpMessages();
    const size_t base = Memory().WorkingSetSize;
    Step("frame shown, nothing open:", size);
    const double start = Seconds();
    if (!frame.Open(file.c_str())) {
        std::printf("open failed\n");
        return 1;
    }
    UpdateWindow(frame.GetHandle());
    PumpMessages();
    const double open = Seconds() - start;
    lines = frame.Current()->GetLineCount();
    Step("opened, first page painted:", size);
    const size_t peak = Memory().PeakWorkingSetSize;
    frame.Current()->Colourise(0, -1);
    Step("whole text styled:", size);
    frame.Documents().DestroyAll();
    PumpMessages();
    Step("closed:", size);
    std::printf("file: %.1f MB, %lld lines; open %.3f s\n", Mb(size), static_cast<long long>(lines), open);
    std::printf("peak working set while opening: %.1f MB = %.2fx file (above the empty frame: %.2fx)\n", Mb(peak),
                static_cast<double>(peak) / static_cast<double>(size),
                static_cast<double>(peak - base) / static_cast<double>(size));

    // The load with its line count, against the load without it, alternately in fresh frames.
    std::vector<double> opens, appends;
    for (int round = 0; round < 3; ++round) {
        for (int way = 0; way < 2; ++way) {
            MainFrameWindow fresh;
            fresh.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 800, nullptr, nullptr,
                         GetModuleHandleA(nullptr), &fresh);
            PumpMessages();
            const double began = Seconds();
            if (way == 0) {
                fresh.Current()->ReadFile(file.c_str());
                opens.push_back(Seconds() - began);
            } else {
                appends.push_back(AppendBlocks(*fresh.Current(), file, size));
            }
            fresh.Documents().DestroyAll();
            PumpMessages();
        }
    }
    std::printf("load (Document::ReadFile): %.3f s; blocks appended without the line count: %.3f s; ratio %.2f (medians of 3)\n", Median(opens),
                Median(appends), Median(opens) / Median(appends));
    TestFiles::RemoveTree(folder);
    return 0;
}
