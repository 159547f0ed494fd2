#include "support/HostWindow.h"

#include <stdexcept>

HostWindow::HostWindow() {
    hwnd_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        throw std::runtime_error("cannot create a host window");
}

HostWindow::~HostWindow() { DestroyWindow(hwnd_); }
