// A real main frame with its project part, the scripted Desktop answering, and a scratch folder
// for project files and the scripts they list.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame/MainFrameWindow.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFrameWindow.h"
#include "support/ScriptedDesktop.h"

class ProjectTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file under the scratch folder (making its folders); its full path.
    std::string MakeFile(const std::string &name, const std::string &bytes = "") const;
    // A project file whose body holds these event and style children.
    std::string MakeProject(const std::string &name, const std::string &style, const std::string &event = "") const;
    std::string Read(const std::string &name) const;
    static bool Has(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }
    static void Pump();
    void Command(UINT id) const;
    std::string Title() const;

    ProjectCommands &Project() const { return *frame->Find<ProjectCommands>(); }
    ProjectFrameWindow &Pane() const { return Project().Pane(); }
    // The tree, one line per item indented by depth, a folder's label after "-" (expanded) or
    // "+" (collapsed) when it has items.
    std::string TreeText() const;
    // The item at a path of labels such as "game/sub/b.hsp", or null.
    HTREEITEM Item(const std::string &labels) const;
    // Where an item's label is, in screen coordinates.
    POINT ScreenPoint(HTREEITEM item) const;
    // A notification from the tree to the pane.
    LRESULT Notify(NMHDR &header, UINT code) const;

    ScriptedDesktop desktop;
    std::unique_ptr<MainFrameWindow> frame;
    std::string folder;
};
