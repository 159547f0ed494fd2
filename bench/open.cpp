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

std::string Script() {
    return "; \x83\x54\x83\x93\x83\x76\x83\x8B\r\n"
           "#module mod\r\n#deffunc hello str msg, int n\r\n\tmes \"\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD \" + msg\r\n"
           "\trepeat n : pos 10, cnt*20 : mes cnt : loop\r\n\treturn\r\n#global\r\n"
           "*main\r\n\tscreen 0, 640, 480 : color 255, 0, 0\r\n\thello \"\x90\xA2\x8A\x45\", 3\r\n"
           "\tif a*2 > $1F { gosub *sub } else { a = 0b0101 + 1.5e3 }\r\n"
           "\tmes {\"\x95\xA1\x90\x94\x8D\x73\r\n\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\"}\r\n\tstop\r\n"
           "/* \x83\x75\x83\x8D\x83\x62\x83\x4E\r\n   comment */\r\n*sub\r\n\treturn\r\n";
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;

    std::string text;
    const std::string script = Script();
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
