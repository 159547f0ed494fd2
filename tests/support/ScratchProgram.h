// What the program does before its first window, for benchmarks that build frames in their own
// process: its files copied into a fresh folder made the program directory, OLE and the common
// controls set up, the edit component loaded from there and the main window class registered.
#pragma once

#include <string>

#include "frame/MainFrameWindow.h"

// The folder, or empty (with a line printed) when the edit component does not load.
std::string PrepareScratchProgram();

// A short Shift-JIS HSP script with every kind of word, comments and strings, to repeat into
// large texts.
std::string SampleScript();

// A main frame of the scratch program, hidden; its documents are closed when it goes.
struct ScratchFrame {
    ScratchFrame();
    ~ScratchFrame();
    ScratchFrame(const ScratchFrame &) = delete;
    ScratchFrame &operator=(const ScratchFrame &) = delete;
    Document &View() { return *window.Current(); }
    MainFrameWindow window;
};
