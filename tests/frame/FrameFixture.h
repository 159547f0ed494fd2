// A real main frame in the test process, with the scripted Desktop answering its questions and
// a scratch folder for the files it opens and saves.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame/MainFrameWindow.h"
#include "support/ScriptedDesktop.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file in the scratch folder and returns its full path.
    std::string MakeFile(const std::string &name, const std::string &bytes) const;
    // Makes the file and opens it; returns its path.
    std::string OpenFile(const std::string &name, const std::string &bytes) const;
    // Types text at the top of the current document.
    void Edit(const std::string &text) const;
    // Handles whatever is waiting in the thread's queue.
    static void Pump();
    void Command(UINT id) const;
    std::string Title() const;
    std::string TabText(int index) const;
    int TabCount() const;
    Document &DocumentAt(int index) const;
    Document &Current() const { return *frame->Current(); }

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
    std::string folder;
};
