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
#include "hsp/HspServices.h"
#include "support/ScriptedDesktop.h"

// The HSP part's services as a test double: the home as valid as told, the reports recorded as
// "version|messages".
struct HspDouble : Subsystem, HspServices {
    explicit HspDouble(bool homeValid) : valid(homeValid) {}
    bool HomeValid() const override { return valid; }
    void ShowCompilerReport(HWND, const std::string &version, const std::string &messages) override {
        reports.push_back(version + "|" + messages);
    }
    bool valid;
    std::vector<std::string> reports;
};

class ClientTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Installs the test client under these names ("run": the run client), then makes the frame.
    void StartFrame(const std::vector<std::string> &clients);
    TamborelClient &Clients() const;
    // Adds the double to the frame, where it stands for the HSP part.
    HspDouble &AddHspDouble(bool homeValid) const;
    void Bind(const std::string &type, int key, const std::string &client, const std::string &function) const;
    // Opens a new file of that name in the program's work folder as the current document.
    void OpenDocument(const std::string &name, const std::string &bytes = "mes \"a\"\r\n") const;
    void Command(UINT id) const;
    // What the installed test client heard (events.txt beside it).
    static std::string Events(const std::string &client);
    // Handles messages until the condition holds; false after the timeout.
    static bool PumpUntil(const std::function<bool()> &condition, DWORD timeout = 15000);
    // The built test client's folder.
    static std::string TestClientFolder();
    // The texts of the message boxes shown.
    std::vector<std::string> Messages() const;

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
};
