// A static text control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class Static : public Window {
public:
    void SetText(const char *text) const { SetWindowTextA(GetHandle(), text); }
};
