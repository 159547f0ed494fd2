#include "framework/DialogManager.h"

DialogManager::~DialogManager() = default;

bool DialogManager::FocusOpen(int templateId) {
    Dialog *open = Modeless();
    if (!open || open->GetTemplateId() != templateId)
        return false;
    open->SetFocus();
    return true;
}

INT_PTR DialogManager::Run(std::unique_ptr<Dialog> dialog, HWND owner) {
    if (!dialog->IsModal() && modeless_) {
        modeless_->Destroy();
        modeless_.reset();
    }
    const INT_PTR result = dialog->Run(owner);
    if (!dialog->IsModal())
        modeless_ = std::move(dialog);
    return result;
}

HWND DialogManager::ActiveModeless() const {
    Dialog *open = Modeless();
    return open ? open->GetHandle() : nullptr;
}

void DialogManager::CloseModeless() {
    if (modeless_)
        modeless_->Destroy();
    modeless_.reset();
}
