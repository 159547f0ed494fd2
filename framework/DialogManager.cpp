#include "framework/DialogManager.h"

#include "framework/Dialog.h"

DialogManager::DialogManager(const DialogTemplate *table, size_t count) : table_(table), count_(count) {}

DialogManager::~DialogManager() = default;

INT_PTR DialogManager::Open(int templateId, bool modal, HWND owner, void *record) {
    if (!modal && modeless_ && modeless_->Exists()) {
        if (modeless_->GetTemplateId() == templateId) {
            modeless_->SetFocus();
            return 1;
        }
        modeless_->Destroy();
    }
    Dialog *created = nullptr;
    for (size_t i = 0; i < count_; ++i) {
        if (table_[i].templateId == templateId && table_[i].create) {
            created = table_[i].create(modal);
            break;
        }
    }
    if (!created)
        return 0;
    std::unique_ptr<Dialog> dialog(created);
    const INT_PTR result = dialog->Run(owner, record);
    if (!dialog->IsModal())
        modeless_ = std::move(dialog);
    return result;
}

HWND DialogManager::ActiveModeless() const {
    return modeless_ && modeless_->Exists() ? modeless_->GetHandle() : nullptr;
}
