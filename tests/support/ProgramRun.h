// The real Tamborel.exe started from a prepared program directory, driven from outside as a
// user would: its windows found by class, message boxes read and answered.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ProgramRun {
public:
    // Starts folder\Tamborel.exe with the given arguments (the command line after the program).
    explicit ProgramRun(const std::string &folder, const std::string &arguments = "");
    // Starts any program, in the given current folder.
    ProgramRun(const std::string &program, const std::string &directory, const std::string &arguments);
    // Ends the process if it is still running.
    ~ProgramRun();
    ProgramRun(const ProgramRun &) = delete;
    ProgramRun &operator=(const ProgramRun &) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }

    // A visible top-level window of this process of the class (and caption, when given), or
    // null after the timeout.
    HWND WaitForWindow(const char *className, const char *caption, DWORD timeout) const;
    HWND WaitForMainWindow(DWORD timeout = 20000) const { return WaitForWindow("TamborelWindowClass", nullptr, timeout); }
    // A message box of the program (dialog class, caption "Tamborel").
    HWND WaitForMessageBox(DWORD timeout = 20000) const { return WaitForWindow("#32770", "Tamborel", timeout); }
    // Whether any top-level window of the class belongs to the process now.
    bool HasWindow(const char *className) const;

    // The exit code, or false when the process is still running after the timeout.
    bool WaitForExit(DWORD timeout, DWORD &code) const;

    // The message text of a message box.
    static std::string MessageText(HWND box);
    // Presses a message box button by its id (IDOK, IDYES ...).
    static void Press(HWND box, int id);
    static std::string ClassOf(HWND hwnd);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
