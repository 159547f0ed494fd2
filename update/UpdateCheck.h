// Asks the update server whether a newer version of the program exists: one HTTP POST of the
// version, answered "yes" or "no" and nothing else. Runs on the calling thread; the server's
// time limits bound how long it blocks.
#pragma once

#include <windows.h>

#include <string>

struct UpdateServer;

namespace UpdateCheck {

// An answer longer than this is no answer: it is never read, whatever length the server says.
constexpr size_t MaxAnswer = 256;

// "ver=" and the version, without spaces and with full stops for commas: "1, 2, 3, 4" gives
// "ver=1.2.3.4".
std::string Body(const std::string &version);

// Asks, then tells the user the answer over owner (and opens the download page when asked to).
// The message box's result.
int Run(HWND owner, const std::string &version, const UpdateServer &server);

}
