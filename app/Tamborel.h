// The application object: start-up in order, the one message loop, shut-down.
#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "frame/MainFrameWindow.h"
#include "framework/Module.h"

class System;
class Logger;
class Setting;

class Tamborel : public Application {
public:
    Tamborel();
    ~Tamborel() override;

    bool Initialize(HINSTANCE instance, HINSTANCE previous, const char *commandLine, int show) override;
    int Run() override;
    void Exit() override;

    MainFrameWindow &MainFrame() { return mainFrame_; }

    // The main window's class: default procedure (the framework takes the window over), the
    // program's icons and menu bar.
    static bool RegisterMainWindowClass(HINSTANCE instance);
    static const char *const MainWindowClass;

    // The files named on a command line that holds no program name, in order.
    static std::vector<std::string> SplitCommandLine(const char *commandLine);

private:
    void PlaceWindow();

    System *system_;
    Logger *logger_;
    Setting *setting_;
    HINSTANCE instance_ = nullptr;
    MainFrameWindow mainFrame_;
    Module vessary_;
};
