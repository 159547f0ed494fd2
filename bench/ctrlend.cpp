// Ctrl+End in a 20 MB HSP file, from the key until the last line is styled and painted, against
// opening that file through the editor's Open, in the same process and the same shown window.
// The key goes to the edit view as the keyboard would send it (WM_KEYDOWN with Ctrl held); the
// window's messages are pumped meanwhile, as the message loop would, so styling left for idle
// time is counted too.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Scintilla.h"
#include "app/Tamborel.h"
#include "editor/Document.h"
#include "framework/ProgramDirectory.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"
#include "vessary/HspSampleScripts.h"

namespace {

void PressCtrlEnd(HWND view) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(view, WM_KEYDOWN, VK_END, 1);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
    SetKeyboardState(keys);
}

// Done when the text is styled to its end and nothing of the view waits to be painted.
bool StyledAndPainted(Document &document) {
    RECT pending;
    return document.GetEndStyled() >= document.GetLength() && !GetUpdateRect(document.GetHandle(), &pending, FALSE);
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;

    std::string text;
    while (text.size() < 20u * 1024 * 1024)
        for (const char *script : HspSamples::scripts)
            text += script;
    const std::string file = folder + "big.hsp";
    TestFiles::Write(file, text);

    std::vector<double> opens, ends;
    intptr_t lines = 0;
    for (int round = 0; round < 3; ++round) {
        MainFrameWindow frame;
        frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 800, nullptr, nullptr,
                     GetModuleHandleA(nullptr), &frame);
        ShowWindow(frame.GetHandle(), SW_SHOW);
        PumpMessages();
        double start = Seconds();
        if (!frame.Open(file.c_str())) {
            std::printf("open failed\n");
            return 1;
        }
        UpdateWindow(frame.GetHandle());
        opens.push_back(Seconds() - start);
        PumpMessages();
        Document &document = *frame.Current();
        lines = document.GetLineCount();

        start = Seconds();
        PressCtrlEnd(document.GetHandle());
        while (!StyledAndPainted(document)) {
            UpdateWindow(document.GetHandle());
            PumpMessages();
        }
        ends.push_back(Seconds() - start);
        if (document.GetCurrentPos() != document.GetLength()) {
            std::printf("the caret did not reach the end\n");
            return 1;
        }
        frame.Documents().DestroyAll();
        PumpMessages();
    }
    const double open = Median(opens), end = Median(ends);
    std::printf("file: %.1f MB, %lld lines\n", static_cast<double>(text.size()) / 1048576.0, static_cast<long long>(lines));
    std::printf("Open, first lines painted:        %.3f s\n", open);
    std::printf("Ctrl+End, last line styled+painted: %.3f s (median of 3)\n", end);
    std::printf("ratio Ctrl+End / Open: %.2f\n", end / open);
    TestFiles::RemoveTree(folder);
    return 0;
}
