// The plain child window that hosts the split pane. The pane's notifications and commands go on
// to the main frame, which handles every edit view's.
#pragma once

#include "framework/OverlappedWindow.h"

class SplitFrameWindow : public OverlappedWindow {
public:
    static const char *const ClassName;

    bool Create(HWND frame, HINSTANCE instance);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    // Files dropped onto the pane go to the frame, which opens them.
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam) override;

private:
    HWND frame_ = nullptr;
};
