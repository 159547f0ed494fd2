#include "frame/MainStatusBar.h"

#include <imm.h>

#include <cstdio>

#include "editor/EditControlId.h"
#include "editor/Vessary.h"
#include "resources/resource.h"

namespace {

const int simplePart = 255;
const int helpTextSize = 254;

enum Part { SizePart, CaretPart, EmptyPart, ImePart, OvertypePart, NumLockPart, CapsLockPart, ScrollLockPart };

bool Toggled(int key) { return (GetKeyState(key) & 1) != 0; }

}

bool MainStatusBar::Create(HWND frame, HINSTANCE instance, HFONT font) {
    if (!StatusBar::Create(0, STATUSCLASSNAMEA, "", WS_CHILD | CCS_BOTTOM, 0, 0, 0, 0, frame,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusBarId)), instance, nullptr))
        return false;
    SetFont(font, false);
    return true;
}

void MainStatusBar::SetPartsFor(int width) const {
    const int edges[PartCount] = {220, 470, width - 180, width - 144, width - 108, width - 72, width - 36, -1};
    SetParts(edges, PartCount);
}

std::string MainStatusBar::SizeText(long long caret, long long length) {
    const long long percent = length > 0 ? caret * 100 / length : 100;
    char text[96];
    std::snprintf(text, sizeof text, " %5lld.%03lld / %5lld.%03lld KB   (%lld%%)", caret / 1000, caret % 1000, length / 1000,
                  length % 1000, percent);
    return text;
}

std::string MainStatusBar::CaretText(long long column, long long lineLength, long long line, long long lineCount) {
    char text[96];
    std::snprintf(text, sizeof text, " ( x = %3lld / %3lld, y = %6lld / %6lld )", column, lineLength, line, lineCount);
    return text;
}

void MainStatusBar::ShowPosition(const Vessary &view) const {
    const long long caret = view.GetCurrentPos();
    SetText(SizePart, SizeText(caret, view.GetTextLength()).c_str());
    const Vessary::Position line = view.LineFromPosition(caret);
    const long long lineStart = view.PositionFromLine(line);
    SetText(CaretPart, CaretText(caret - lineStart, view.GetLineEndPosition(line) - lineStart, line + 1, view.GetLineCount()).c_str());
}

void MainStatusBar::ShowKeyStates(HWND frame, const Vessary *view) const {
    bool imeOpen = false;
    if (HIMC context = ImmGetContext(frame)) {
        imeOpen = ImmGetOpenStatus(context) != FALSE;
        ImmReleaseContext(frame, context);
    }
    SetText(ImePart, imeOpen ? " IME" : "");
    SetText(OvertypePart, view && view->GetOvertype() ? " OVR" : " INS");
    SetText(NumLockPart, Toggled(VK_NUMLOCK) ? " NUM" : "");
    SetText(CapsLockPart, Toggled(VK_CAPITAL) ? " CPS" : "");
    SetText(ScrollLockPart, Toggled(VK_SCROLL) ? " SRL" : "");
}

void MainStatusBar::ShowMenuHelp(HINSTANCE instance, WPARAM wParam, LPARAM lParam, HMENU bar) const {
    const UINT item = LOWORD(wParam);
    const UINT flags = HIWORD(wParam);
    const auto menu = reinterpret_cast<HMENU>(lParam);
    const UINT stringId = (flags & MF_POPUP) && menu == bar ? IDS_POPUP_FIRST + item : item;
    char text[helpTextSize + 2] = "  ";
    if ((flags == 0xFFFF && !menu) || !LoadStringA(instance, stringId, text + 2, helpTextSize))
        text[0] = '\0';
    SetText(simplePart | SBT_NOBORDERS, text);
}
