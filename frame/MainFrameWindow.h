// The program's top-level window and hub: it owns the documents, the panes, the HSP compiler
// library and the dialogs, and turns every command into a call into the part that owns it.
#pragma once

#include <memory>

#include "framework/OverlappedWindow.h"

class DialogManager;
class Hsp;

class MainFrameWindow : public OverlappedWindow {
public:
    MainFrameWindow();
    ~MainFrameWindow() override;

    LRESULT OnClose(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;

    // Opens a file as a document (or selects it when already open); false on failure.
    bool Open(const char *path);
    // The HSP home dialog, modal, owned by this window.
    void ShowHspHomeDialog();
    Hsp &HspCompiler() { return *hsp_; }
    DialogManager &Dialogs() { return *dialogs_; }
    // The open modeless dialog's window, or null: the message loop offers it each message first.
    HWND ActiveModelessDialog() const;

private:
    std::unique_ptr<Hsp> hsp_;
    std::unique_ptr<DialogManager> dialogs_;
};
