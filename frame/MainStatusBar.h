// The main frame's status bar: where the caret stands and how long the text is, menu help in
// simple mode, and the state of the input method, overtype and the lock keys.
#pragma once

#include <string>

#include "framework/StatusBar.h"

class Vessary;

class MainStatusBar : public StatusBar {
public:
    static constexpr int PartCount = 8;

    // Creates the bar (hidden) with its font.
    bool Create(HWND frame, HINSTANCE instance, HFONT font);

    // The eight parts' right edges for a frame client width.
    void SetPartsFor(int width) const;
    // Parts 0 (size and place) and 1 (caret) for a view.
    void ShowPosition(const Vessary &view) const;
    // Parts 3 to 7: input method, overtype (of view, when there is one) and the lock keys.
    void ShowKeyStates(HWND frame, const Vessary *view) const;
    // The simple-mode text for a WM_MENUSELECT: the help string of the command, or of the bar's
    // popup at that position; empty when there is none or the menu closed.
    void ShowMenuHelp(HINSTANCE instance, WPARAM wParam, LPARAM lParam, HMENU bar) const;

    // " %5d.%03d / %5d.%03d KB   (%d%%)": caret and length in thousands of bytes, and the
    // caret's place in percent (100 for an empty text).
    static std::string SizeText(long long caret, long long length);
    // " ( x = %3d / %3d, y = %6d / %6d )": column of line length, line of line count.
    static std::string CaretText(long long column, long long lineLength, long long line, long long lineCount);
};
