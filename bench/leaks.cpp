// What a long day of work leaves behind: each loop (documents opened and closed, splits, dialogs
// opened and closed, client connections) runs after a warm-up, and the program's handles per
// kind, the windows of the process and memory are printed before and after it. The figure to
// compare is the growth per round against the loop's first measure.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <string>

#include "app/Tamborel.h"
#include "frame/MainFrameWindow.h"
#include "framework/ProgramDirectory.h"
#include "resources/resource.h"
#include "sdk/TamborelSdk.h"
#include "support/EditControl.h"
#include "support/Leaks.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"

namespace {

BOOL CALLBACK CancelModal(HWND hwnd, LPARAM) {
    char className[16] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(hwnd))
        EndDialog(hwnd, IDCANCEL);
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelModal, 0); }

void Print(const char *name, int rounds, const Leaks::Loop &loop) {
    const double growth = static_cast<double>(loop.after.workingSet) - static_cast<double>(loop.before.workingSet);
    std::printf("%s: %d rounds in %.1f s, working set %+.0f bytes a round\n  %s\n", name, rounds, loop.seconds,
                growth / rounds, loop.Describe().c_str());
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;
    std::printf("at start: %s\n", LiveHandles::Take().Describe().c_str());
    {
        MainFrameWindow frame;
        frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                     GetModuleHandleA(nullptr), &frame);
        ShowWindow(frame.GetHandle(), SW_SHOW);
        PumpMessages();
        std::printf("frame shown: %s\n", LiveHandles::Take().Describe().c_str());
        std::string script;
        while (script.size() < 8192)
            script += "*main\r\n\tmes \"\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\" : repeat 3 : pos 1, cnt : loop\r\n\tstop\r\n";
        const std::string kept = folder + "kept.hsp", opened = folder + "leak.hsp";
        TestFiles::Write(kept, "mes 1\r\n");
        TestFiles::Write(opened, script);
        frame.Open(kept.c_str());
        Print("documents opened and closed", 1000, Leaks::Repeat(1000, [&] {
                  frame.Open(opened.c_str());
                  SendCommand(frame.GetHandle(), IDM_CLOSE_DOCUMENT);
              }));
        Print("split and unsplit", 1000, Leaks::Repeat(1000, [&] {
                  SendCommand(frame.GetHandle(), IDM_SPLIT_HORIZONTAL);
                  SendCommand(frame.GetHandle(), IDM_SPLIT_HORIZONTAL);
              }));
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
        const UINT dialogs[] = {IDM_VERSION, IDM_FIND, IDM_JUMP_LABEL, IDM_SETTINGS};
        // Each dialog hidden costs 2 s here (Wine waits for a window manager Xvfb does not have).
        Print("version, search, jump and settings dialogs", 10, Leaks::Repeat(10, [&] {
                  for (UINT command : dialogs) {
                      SendCommand(frame.GetHandle(), command);
                      frame.Dialogs().CloseModeless();
                      PumpMessages();
                  }
              }));
        KillTimer(nullptr, timer);
        Print("client connections", 100, Leaks::Repeat(100, [&] {
                  TamborelSdk::Client client{TamborelSdk::Description{}};
                  client.Attach(frame.GetHandle());
                  client.Disconnect();
                  PumpMessages();
              }));
        frame.Documents().DestroyAll();
    }
    PumpMessages();
    std::printf("frame gone: %s\n", LiveHandles::Take().Describe().c_str());
    TestFiles::RemoveTree(folder);
    return 0;
}
