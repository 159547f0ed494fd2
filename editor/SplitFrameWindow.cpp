#include "editor/SplitFrameWindow.h"

#include "editor/EditControlId.h"

const char *const SplitFrameWindow::ClassName = "TamborelSFW";

bool SplitFrameWindow::Create(HWND frame, HINSTANCE instance) {
    frame_ = frame;
    RegisterClass(instance, ClassName, CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return Window::Create(0, ClassName, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, frame, nullptr, instance, nullptr);
}

LRESULT SplitFrameWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == EditControlId)
        return SendMessageA(frame_, WM_COMMAND, wParam, lParam);
    return OverlappedWindow::OnCommand(wParam, lParam);
}

LRESULT SplitFrameWindow::OnNotify(WPARAM wParam, LPARAM lParam) {
    const auto *header = reinterpret_cast<const NMHDR *>(lParam);
    if (header && header->idFrom == EditControlId)
        return SendMessageA(frame_, WM_NOTIFY, wParam, lParam);
    return OverlappedWindow::OnNotify(wParam, lParam);
}

LRESULT SplitFrameWindow::OnDropFiles(WPARAM wParam, LPARAM lParam) { return SendMessageA(frame_, WM_DROPFILES, wParam, lParam); }
