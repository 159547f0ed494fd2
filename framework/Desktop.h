// The one seam between the program and the user-facing platform calls: message boxes, file
// dialogs, the folder chooser, shell opens and process starts. Tests install a scripted
// Desktop that answers and records what was asked.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "framework/Object.h"

class Desktop : public Object {
public:
    virtual int ShowMessage(HWND owner, const char *text, const char *caption, UINT type);
    virtual bool OpenFileDialog(OPENFILENAMEA &request);
    virtual bool SaveFileDialog(OPENFILENAMEA &request);
    // The chosen folder (no trailing backslash added), or false when cancelled.
    virtual bool ChooseFolder(HWND owner, const char *prompt, const char *initial, std::string &chosen);
    virtual HINSTANCE ShellOpen(HWND owner, const char *verb, const char *file, const char *parameters,
                               const char *directory, int show);
    virtual bool StartProcess(const char *application, char *commandLine, bool inheritHandles, DWORD flags,
                               const char *directory, STARTUPINFOA &startup, PROCESS_INFORMATION &process);

    // The Desktop in use: the real one unless a test installed another.
    static Desktop &Get();
    // Installs a replacement (null restores the real one); the caller keeps ownership.
    static void Install(Desktop *desktop);
};

// "Tamborel", the caption of every message box of the program.
extern const char *const programCaption;

// A message box through the seam, with the program's caption.
inline int Ask(HWND owner, const char *text, UINT type) { return Desktop::Get().ShowMessage(owner, text, programCaption, type); }
