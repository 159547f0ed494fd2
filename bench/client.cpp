// Round trips of client requests through the SDK: the caret position (0xA721, the simplest
// request) and the whole text of a 1 MB document (0xA737). First from this process to a running
// editor, against a bare cross-process SendMessage to the same window, the floor any request
// stands on; then to an editor window in this process, which leaves only the editor's own work
// and the SDK's.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "frame/MainFrameWindow.h"
#include "framework/ProgramDirectory.h"
#include "sdk/TamborelSdk.h"
#include "support/EditControl.h"
#include "support/ProgramFolder.h"
#include "support/TestFiles.h"
#include "support/ProgramRun.h"
#include "support/ScratchProgram.h"
#include "support/Timing.h"

namespace {

// Calls per second of one call, the median of five timed batches.
template <class Call> double Rate(int batch, Call call) {
    std::vector<double> rates;
    for (int round = 0; round < 5; ++round) {
        const double start = Seconds();
        for (int i = 0; i < batch; ++i)
            call();
        rates.push_back(batch / (Seconds() - start));
    }
    return Median(rates);
}

std::string MegabyteScript() {
    std::string text;
    for (int line = 0; text.size() < 1000000; ++line)
        text += "mes \"line " + std::to_string(line) + "\"\r\n";
    text.resize(1000000);
    return text;
}

// Caret requests per second, then 1 MB texts per second, through a client attached to editor.
bool Measure(HWND editor, double &caret, double &whole) {
    TamborelSdk::Client client(TamborelSdk::Description{});
    if (!client.Attach(editor))
        return false;
    const std::string document = client.ActiveDocument();
    const std::string text = MegabyteScript();
    client.SetText(document, text);
    if (client.GetText(document) != text)
        return false;
    caret = Rate(20000, [&] { client.CaretPosition(document); });
    whole = Rate(50, [&] { client.GetText(document); });
    client.SetModified(document, false);
    return true;
}

bool AcrossProcesses() {
    ProgramFolder folder;
    ProgramRun run(folder.Path());
    HWND editor = run.WaitForMainWindow();
    double caret = 0, whole = 0;
    if (!editor || !Measure(editor, caret, whole))
        return false;
    const double bare = Rate(20000, [&] { SendMessageA(editor, WM_NULL, 0, 0); });
    std::printf("across processes\n");
    std::printf("  bare SendMessage:        %8.0f per second\n", bare);
    std::printf("  0xA721 caret position:   %8.0f per second (ratio to bare %.2f)\n", caret, caret / bare);
    std::printf("  0xA737 text of 1 MB:     %8.1f per second (ratio to 0xA721 %.4f)\n", whole, whole / caret);
    PostMessageA(editor, WM_CLOSE, 0, 0);
    DWORD code = 0;
    return run.WaitForExit(10000, code);
}

bool InThisProcess() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return false;
    double caret = 0, whole = 0;
    bool measured = false;
    {
        MainFrameWindow frame;
        measured = frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                                GetModuleHandleA(nullptr), &frame) &&
                   Measure(frame.GetHandle(), caret, whole);
    }
    TestFiles::RemoveTree(folder);
    if (measured) {
        std::printf("in this process\n");
        std::printf("  0xA721 caret position:   %8.0f per second\n", caret);
        std::printf("  0xA737 text of 1 MB:     %8.1f per second (ratio to 0xA721 %.4f)\n", whole, whole / caret);
    }
    return measured;
}

}

int main() {
    if (!AcrossProcesses() || !InThisProcess()) {
        std::printf("could not measure: no editor to attach to, or the text did not come back whole\n");
        return 1;
    }
    return 0;
}
