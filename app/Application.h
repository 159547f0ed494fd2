// The application: start-up, the message loop and shut-down.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class Application : public Object {
public:
    // False stops the program before the message loop.
    virtual bool Initialize(HINSTANCE instance, HINSTANCE previous, const char *commandLine, int show) = 0;
    // The process exit code.
    virtual int Run() = 0;
    virtual void Exit() = 0;
};
