// What other parts ask of the HSP part: whether the HSP home holds a usable compiler library,
// and the compiler report dialog (clients show reports through it). Found through the workbench
// (Find<HspServices>()).
#pragma once

#include <windows.h>

#include <string>

class HspServices {
public:
    virtual bool HomeValid() const = 0;
    // The report dialog with a compiler's version text and its messages, modal over owner.
    virtual void ShowCompilerReport(HWND owner, const std::string &version, const std::string &messages) = 0;

protected:
    ~HspServices() = default;
};
