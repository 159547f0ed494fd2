// A real main frame with the navigation part, a scratch folder of scripts, an HSP home whose
// common folder the scripts may include from, and a stand-in for the project part.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/MainFrameWindow.h"
#include "support/ScriptedDesktop.h"

class NavigationCommands;
struct ProjectDouble;

class NavigationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the scratch folder ("home:" names go to the HSP home's common folder); its path.
    std::string MakeFile(const std::string &name, const std::string &bytes) const;
    std::string OpenFile(const std::string &name, const std::string &bytes) const;
    static void Pump();
    void Command(UINT id) const;
    Document &Current() const { return *frame->Current(); }
    NavigationCommands &Navigation() const;
    // Opens a project with this entry point and these files (full paths); no files: none open.
    void SetProject(const std::string &entry, const std::vector<std::string> &files);
    // The log's text written since the test began.
    std::string LogSince() const;

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
    ProjectDouble *project = nullptr;
    std::string folder;
    std::string home;

private:
    size_t logStart_ = 0;
};
