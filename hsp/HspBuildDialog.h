// Building an executable or a screen saver from the script's packfile: the output name, the
// window size and whether the window starts hidden, then the compiler library packs it.
#pragma once

#include <string>

#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "hsp/CompileTarget.h"
#include "resources/resource.h"

class Hsp;
class LexerHsp;

class HspBuildDialog : public Dialog {
public:
    static constexpr int TemplateId = IDD_HSP_BUILD;
    // projectName: the open project's name, empty when none is open.
    HspBuildDialog(const Hsp &hsp, LexerHsp &settings, std::string home, CompileTarget target, std::string projectName);

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnCommand(WORD code, WORD id, HWND control) override;

private:
    void StoreSettings(const std::string &name);
    // Packs target folder + name into .exe or .scr; the intermediate .dpm does not stay.
    bool Build(const std::string &name, int mode) const;
    void Announce(bool built, const std::string &name, int kind) const;

    const Hsp &hsp_;
    LexerHsp &settings_;
    std::string home_;
    CompileTarget target_;
    std::string projectName_;
    ComboBox kinds_;
    ComboBox names_;
};
