// A real main frame whose HSP home is a fresh test HSP installation, its compiler library
// loaded through start-up; the scripted Desktop answers, scripts go to a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "frame/CommandState.h"
#include "frame/MainFrameWindow.h"
#include "hsp/HspCommands.h"
#include "support/ScriptedDesktop.h"
#include "support/TestHspHome.h"

class LexerHsp;

class HspTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Points the settings at the home (with prompt off) and makes the frame, which starts up.
    void StartFrame();
    std::string MakeFile(const std::string &name, const std::string &bytes) const;
    std::string OpenFile(const std::string &name, const std::string &bytes) const;
    void Command(UINT id) const;
    static void Pump();
    HspCommands &Part() const { return *frame->Find<HspCommands>(); }
    Document &Current() const { return *frame->Current(); }
    // Whether the menus show the command enabled.
    bool Enabled(UINT id) const { return frame->MenuState().Enabled(id) == 1; }
    std::string CurrentFolder() const;
    std::string LastMessage() const { return desktop.messages.empty() ? "" : desktop.messages.back().text; }
    static LexerHsp &Settings();

    ScriptedDesktop desktop;
    std::unique_ptr<TestHspHome> home;
    std::unique_ptr<MainFrameWindow> frame;
    std::string folder;
};

// Acts once on the next visible dialog of this thread with the caption: modal dialogs run
// their own message loop, so a test reaches them from a timer inside it.
class WhenDialog {
public:
    WhenDialog(std::string caption, std::function<void(HWND)> action);
    ~WhenDialog();
    WhenDialog(const WhenDialog &) = delete;
    WhenDialog &operator=(const WhenDialog &) = delete;
    bool Seen() const { return seen_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

    std::string caption_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_;
    bool seen_ = false;
};

std::string ItemText(HWND dialog, int id);
void Press(HWND dialog, int id);
