// The client dialog: what a client says about itself, its functions with their explanations,
// and whether its SDK version can be served. Ends with the chosen function's index, or -1.
#pragma once

#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "resources/resource.h"

struct ClientDescription;

class ClientDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_CLIENT;
    explicit ClientDialog(const ClientDescription &description);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnCtlColorStatic(HDC dc, HWND control) override;

private:
    void FillFunctions();
    void ShowVersionCheck();
    void ShowExplanation();

    const ClientDescription &description_;
    ComboBox functions_;
};
