#include "support/ScratchProgram.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <stdexcept>

#include "app/Tamborel.h"
#include "editor/Document.h"
#include "framework/ProgramDirectory.h"
#include "support/EditControl.h"
#include "support/Messages.h"
#include "support/TestFiles.h"

std::string PrepareScratchProgram() {
    const std::string folder = TestFiles::MakeTempFolder("tamborel-bench");
    TestFiles::CopyProgram(folder, false);
    SetProgramDirectory(folder.c_str());
    TestFiles::SetProgramFolder(folder);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        EditControl::Library();
    } catch (const std::runtime_error &error) {
        std::printf("%s\n", error.what());
        return std::string();
    }
    Tamborel::RegisterMainWindowClass(GetModuleHandleA(nullptr));
    return folder;
}

std::string SampleScript() {
    return "; \x83\x54\x83\x93\x83\x76\x83\x8B\r\n"
           "#module mod\r\n#deffunc hello str msg, int n\r\n\tmes \"\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD \" + msg\r\n"
           "\trepeat n : pos 10, cnt*20 : mes cnt : loop\r\n\treturn\r\n#global\r\n"
           "*main\r\n\tscreen 0, 640, 480 : color 255, 0, 0\r\n\thello \"\x90\xA2\x8A\x45\", 3\r\n"
           "\tif a*2 > $1F { gosub *sub } else { a = 0b0101 + 1.5e3 }\r\n"
           "\tmes {\"\x95\xA1\x90\x94\x8D\x73\r\n\x82\xCC\x95\xB6\x8E\x9A\x97\xF1\"}\r\n\tstop\r\n"
           "/* \x83\x75\x83\x8D\x83\x62\x83\x4E\r\n   comment */\r\n*sub\r\n\treturn\r\n";
}

ScratchFrame::ScratchFrame() {
    window.Create(0, Tamborel::MainWindowClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 900, 700, nullptr, nullptr,
                  GetModuleHandleA(nullptr), &window);
    PumpMessages();
}

ScratchFrame::~ScratchFrame() {
    window.Documents().DestroyAll();
    PumpMessages();
}
