#include "support/Messages.h"

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void SendCommand(HWND window, UINT id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
}
