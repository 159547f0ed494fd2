// The compiler's reserved keywords, one a line with the name filled to 20 columns; modeless.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "framework/Font.h"
#include "resources/resource.h"

class HspReservedKwDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_RESERVED_KW;
    explicit HspReservedKwDialog(std::string words);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnCtlColorStatic(HDC dc, HWND control) override;

private:
    std::string words_;
    // Fixed pitch, so that the columns line up.
    Font font_;
};
