// Opening a 50 MB HSP file through the editor's Open (read in blocks, appended) against the
// floor of the load path: one SCI_SETTEXT of the same bytes, in the same process.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "editor/Document.h"
#include "framework/ProgramDirectory.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;

    std::string text;
    const std::string script = SampleScript();
    while (text.size() < 50u * 1024 * 1024)
        text += script;
    const std::string file = folder + "big.hsp";
    TestFiles::Write(file, text);
    std::printf("file: %.1f MB\n", static_cast<double>(text.size()) / 1048576.0);

    std::vector<double> opens, floors;
    for (int round = 0; round < 3; ++round) {
        {
            MainFrameWindow frame;
            frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                         GetModuleHandleA(nullptr), &frame);
            PumpMessages();
            const double start = Seconds();
            const bool opened = frame.Open(file.c_str());
            opens.push_back(Seconds() - start);
            if (!opened || frame.Current()->GetLength() != static_cast<intptr_t>(text.size())) {
                std::printf("open failed\n");
                return 1;
            }
            frame.Documents().DestroyAll();
        }
        PumpMessages();
        {
            MainFrameWindow frame;
            frame.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                         GetModuleHandleA(nullptr), &frame);
            PumpMessages();
            Document &document = *frame.Current();
            const double start = Seconds();
            document.SetText(text.c_str());
            floors.push_back(Seconds() - start);
            frame.Documents().DestroyAll();
        }
        PumpMessages();
    }
    const double open = Median(opens), floor = Median(floors);
    std::printf("Open (read in 131073-byte blocks, appended): %.3f s  (%.0f MB/s)\n", open, 50.0 / open);
    std::printf("one SCI_SETTEXT of the same bytes:          %.3f s  (%.0f MB/s)\n", floor, 50.0 / floor);
    std::printf("ratio Open / SETTEXT: %.2f\n", open / floor);
    TestFiles::RemoveTree(folder);
    return 0;
}
