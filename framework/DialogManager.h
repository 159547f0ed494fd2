// Creates the program's dialogs from their template numbers and keeps the one modeless dialog
// that may be open at a time (the message loop offers each message to it first).
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "framework/Object.h"

class Dialog;

struct DialogTemplate {
    int templateId;
    // Null while the dialog of this template does not exist yet: nothing is created.
    Dialog *(*create)(bool modal);
};

class DialogManager : public Object {
public:
    DialogManager(const DialogTemplate *table, size_t count);
    ~DialogManager() override;
    DialogManager(const DialogManager &) = delete;
    DialogManager &operator=(const DialogManager &) = delete;

    // Modal: the dialog's result. Modeless: whether it opened (1 when the same one was already
    // open and only got the focus). 0 for a template without a dialog.
    INT_PTR Open(int templateId, bool modal, HWND owner, void *record);
    // The open modeless dialog's window, or null.
    HWND ActiveModeless() const;
    Dialog *Modeless() const { return modeless_.get(); }

private:
    const DialogTemplate *table_;
    size_t count_;
    std::unique_ptr<Dialog> modeless_;
};
