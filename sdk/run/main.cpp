#include <windows.h>

#include "sdk/run/RunClient.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RunClient client;
    if (!client.ConnectStarted(GetCommandLineA())) {
        MessageBoxA(nullptr, "このプログラムは Tamborel のクライアントです。Tamborel から起動してください。", "Tamborel", MB_ICONINFORMATION);
        return 1;
    }
    return client.Run();
}
