// One part of the program that lives in the main frame: its commands, what it says about the
// menus' state, and the moments of the frame's life it takes part in. The frame makes each one
// at its creation (frame/Subsystems.cpp) and offers them these calls in that order.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class CommandState;
class Document;
class Path;
struct SCNotification;

class Subsystem : public Object {
public:
    // Whether the command was this part's (it then handled it).
    virtual bool OnCommand(UINT id) { return false; }
    // Enables, checks and relabels this part's menu items (and tool bar buttons).
    virtual void UpdateCommandState(CommandState &state) {}
    // The frame's window and children exist; the first document is selected.
    virtual void OnFrameCreated() {}
    // The frame closes: its documents are closed, its windows still exist.
    virtual void OnFrameClosing() {}
    // A message sent or posted to the frame that the frame does not answer itself; true when
    // this part answered it (result holds the answer).
    virtual bool OnFrameMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) { return false; }

    // A notification of an edit view of the frame (text changed, caret moved, ...), after the
    // frame's own handling.
    virtual void OnEditNotification(Document &view, const SCNotification &notification) {}

    enum class OpenResult { NotMine, Opened, Failed };
    // A file being opened that this part may take instead of a document (a project file).
    virtual OpenResult OpenFile(const Path &path) { return OpenResult::NotMine; }
};
