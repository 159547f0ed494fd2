// A hidden top-level window to be the parent of child controls under test.
#pragma once

#include <windows.h>

class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow &) = delete;
    HostWindow &operator=(const HostWindow &) = delete;

    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};
