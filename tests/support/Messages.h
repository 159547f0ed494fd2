// The message loop of code that drives windows inside the test process.
#pragma once

#include <windows.h>

// Dispatches every message waiting for this thread. A WM_QUIT is dropped: the test, not a window
// it drives, decides when it ends.
void PumpMessages();
// Sends a menu command to a window, then dispatches what handling it posted.
void SendCommand(HWND window, UINT id);
