// A status bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

class StatusBar : public Window {
public:
    void SetParts(const int *rightEdges, int count) const { SendMessageA(GetHandle(), SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rightEdges)); }
    // Part 255 is the simple-mode text.
    void SetText(int part, const char *text) const { SendMessageA(GetHandle(), SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text)); }
    std::string GetPartText(int part) const {
        // Some implementations count characters, not bytes: room for two bytes each.
        const LRESULT length = LOWORD(SendMessageA(GetHandle(), SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0));
        std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
        SendMessageA(GetHandle(), SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(std::char_traits<char>::length(text.c_str()));
        return text;
    }
    void SetSimple(bool simple) const { SendMessageA(GetHandle(), SB_SIMPLE, simple, 0); }
    bool IsSimple() const { return SendMessageA(GetHandle(), SB_ISSIMPLE, 0, 0) != 0; }
};
