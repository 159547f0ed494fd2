// The search menu's navigation: definition reference and back across included files, and the
// jump dialog's five commands. It keeps the reference history and what the jump dialog
// remembers, and offers the names a script defines to completion and call tips.
#pragma once

#include <string>

#include "editor/CompletionSource.h"
#include "frame/Subsystem.h"
#include "framework/CommandTable.h"
#include "navigation/JumpMemory.h"
#include "navigation/ReferenceHistory.h"
#include "navigation/ScanCache.h"

class Document;
class Workbench;
struct TraceContext;

class NavigationCommands : public Subsystem, public CompletionSource {
public:
    explicit NavigationCommands(Workbench &workbench) : workbench_(workbench) {}

    bool OnCommand(UINT id) override;
    void UpdateCommandState(CommandState &state) override;

    std::string CompletionList(Document &view, const std::string &list) override;
    const CodeTip *CallTip(Document &view, const char *word, bool again) override;

    const ReferenceHistory &History() const { return history_; }
    JumpMemory &Memory() { return memory_; }

private:
    static const CommandRoute<NavigationCommands> routes[];

    void OnReference(UINT id);
    void OnJump(UINT id);
    void Reference();
    void Back();
    // Opens the location's file unless it is the current one, then centres the line and selects
    // the word there.
    void GoTo(const SourceLocation &location);
    TraceContext Context(Document &active) const;
    std::string EntryPoint() const;

    Workbench &workbench_;
    ReferenceHistory history_;
    JumpMemory memory_;
    ScanCache cache_;
    CodeTip tip_;
    bool tipFound_ = false;
};
