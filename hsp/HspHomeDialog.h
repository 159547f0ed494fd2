// The HSP home: not used as an HSP editor, or the folder of the HSP installation whose compiler
// library is then loaded; and whether this dialog opens at start-up.
#pragma once

#include <string>

#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "resources/resource.h"

class Hsp;
class LexerHsp;

class HspHomeDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_HOME;
    HspHomeDialog(LexerHsp &settings, Hsp &hsp);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;
    INT_PTR OnCtlColorStatic(HDC dc, HWND control) override;

private:
    void UsePath(bool use);
    void Browse();
    // Stays open (false) on an empty path or a folder without a usable compiler.
    bool Apply();
    bool LoadHome(std::string &home);
    void Store(const std::string &home, bool prompt);

    LexerHsp &settings_;
    Hsp &hsp_;
    TabCtrl tab_;
};
