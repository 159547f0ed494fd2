// A real main frame in the test process with the client part, clients installed beforehand in
// the program folder's client\ (the test client under chosen names), real client processes, and
// the scripted Desktop answering the editor's questions.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "client/TamborelClient.h"
#include "frame/MainFrameWindow.h"
#include "support/ScriptedDesktop.h"

class ClientTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Installs the test client under these names ("run": the run client), then makes the frame.
    void StartFrame(const std::vector<std::string> &clients);
    TamborelClient &Clients() const;
    void Bind(const std::string &type, int key, const std::string &client, const std::string &function) const;
    // Opens a new file of that name in the program's work folder as the current document.
    void OpenDocument(const std::string &name, const std::string &bytes = "mes \"a\"\r\n") const;
    void Command(UINT id) const;
    // What the installed client noted: its events, or any file beside it.
    static std::string ClientFile(const std::string &client, const std::string &file = "events.txt");
    // Handles messages until the condition holds; false after the timeout.
    static bool PumpUntil(const std::function<bool()> &condition, DWORD timeout = 15000);
    // The built test client's folder.
    static std::string TestClientFolder();
    // The messages boxes asked for, by text.
    std::vector<std::string> Messages() const;

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
};
