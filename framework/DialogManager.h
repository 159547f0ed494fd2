// Runs the program's dialogs and keeps the one modeless dialog that may be open at a time (the
// message loop offers each message to it first). A dialog class names its template
// (TemplateId) and takes what it needs as typed constructor arguments.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "framework/Dialog.h"

class DialogManager : public Object {
public:
    DialogManager() = default;
    ~DialogManager() override;
    DialogManager(const DialogManager &) = delete;
    DialogManager &operator=(const DialogManager &) = delete;

    // Modal: the dialog's result. Modeless: whether it opened; when a dialog of the same template
    // is already open it only gets the focus (1) and nothing is made.
    template <class D, class... Args> INT_PTR Open(HWND owner, Args &&...arguments) {
        if (FocusOpen(D::TemplateId))
            return 1;
        return Run(std::unique_ptr<Dialog>(new D(std::forward<Args>(arguments)...)), owner);
    }

    // The open modeless dialog's window, or null.
    HWND ActiveModeless() const;
    Dialog *Modeless() const { return modeless_ && modeless_->Exists() ? modeless_.get() : nullptr; }
    // The open modeless dialog when it is a D.
    template <class D> D *OpenModeless() const { return dynamic_cast<D *>(Modeless()); }
    void CloseModeless();

private:
    bool FocusOpen(int templateId);
    INT_PTR Run(std::unique_ptr<Dialog> dialog, HWND owner);

    std::unique_ptr<Dialog> modeless_;
};
