#include <windows.h>

#include "app/Tamborel.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    int code = 0;
    {
        Tamborel application;
        if (application.Initialize(instance, previous, commandLine, show)) {
            code = application.Run();
            application.Exit();
        }
    }
    return code;
}
