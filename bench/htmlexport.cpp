// The HTML export of a 1 MB HSP script, against the floor of its last step: one SCI_SETTEXT of
// the finished page, in the same process.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/Tamborel.h"
#include "editor/Document.h"
#include "framework/ProgramDirectory.h"
#include "html/HtmlConverter.h"
#include "support/Messages.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"
#include "support/Timing.h"

namespace {

std::string Script() {
    return "; \x83\x54\x83\x93\x83\x76\x83\x8B <sample> & \"quotes\"\r\n"
           "#module mod\r\n#deffunc hello str msg, int n\r\n\tmes \"\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD \" + msg\r\n"
           "\trepeat n : pos 10, cnt*20 : mes cnt : loop\r\n\treturn\r\n#global\r\n"
           "*main\r\n\tscreen 0, 640, 480 : color 255, 0, 0\r\n\thello \"\x90\xA2\x8A\x45\", 3\r\n"
           "\tif a*2 > $1F { gosub *sub } else { a = 0b0101 + 1.5e3 }\r\n"
           "/* \x83\x75\x83\x8D\x83\x62\x83\x4E\r\n   comment */\r\n*sub\r\n\treturn\r\n";
}

}

int main() {
    const std::string folder = PrepareScratchProgram();
    if (folder.empty())
        return 1;

    std::string text;
    while (text.size() < 1000000)
        text += Script();
    std::vector<double> exports, floors;
    std::string page;
    for (int round = 0; round < 3; ++round) {
        {
            ScratchFrame frame;
            frame.View().SetText(text.c_str());
            const double start = Seconds();
            if (!HtmlConverter::ConvertToHtml(frame.View())) {
                std::printf("the export failed\n");
                return 1;
            }
            exports.push_back(Seconds() - start);
            page = frame.View().GetText();
        }
        ScratchFrame frame;
        const double start = Seconds();
        frame.View().SetText(page.c_str());
        floors.push_back(Seconds() - start);
    }
    const double exported = Median(exports), floor = Median(floors);
    std::printf("script: %.2f MB, page: %.2f MB\n", static_cast<double>(text.size()) / 1e6, static_cast<double>(page.size()) / 1e6);
    std::printf("HTML export:                     %.3f s\n", exported);
    std::printf("one SCI_SETTEXT of the page:     %.3f s\n", floor);
    std::printf("ratio export / SETTEXT: %.1f\n", exported / floor);
    TestFiles::RemoveTree(folder);
    return 0;
}
