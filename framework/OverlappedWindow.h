// Base of the top-level and plain frame windows the program registers classes for.
#pragma once

#include "framework/Window.h"

class OverlappedWindow : public Window {
public:
    // Registers a window class whose procedure is the default one: the framework takes each
    // created window over.
    static bool RegisterClass(HINSTANCE instance, const char *className, UINT style, HBRUSH background,
                              HICON icon = nullptr, HICON smallIcon = nullptr, const char *menu = nullptr);
};
