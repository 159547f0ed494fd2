// Telling the user about something that went wrong, the program's one way: an English line in
// the log and a Japanese message box with the caption "Tamborel", through the desktop seam.
#pragma once

#include <windows.h>

// The level of the log line. By default it follows the box's icon: error -> error,
// warning -> warning, anything else -> information.
enum class ReportLevel { FromIcon, Fatal, Error, Warning, Information, Debug };

struct Report {
    // The log line: "%s" with the message, or "%s [%s]" when there is a detail (a path, a name).
    const char *message;
    const char *detail;
    // The box's text, and its icon and buttons (MB_ICONERROR, MB_YESNO | MB_ICONQUESTION, ...).
    const char *text;
    UINT box;
    ReportLevel level = ReportLevel::FromIcon;
};

// Logs, then shows the box over owner; returns the box's answer.
int Tell(HWND owner, const Report &report);
