#include "support/ProgramRun.h"

#include <cstring>

namespace {

struct Search {
    DWORD processId;
    const char *className;
    const char *caption;
    HWND found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM data) {
    auto *search = reinterpret_cast<Search *>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId)
        return TRUE;
    if (ProgramRun::ClassOf(hwnd) != search->className || !IsWindowVisible(hwnd))
        return TRUE;
    if (search->caption) {
        char caption[256] = "";
        GetWindowTextA(hwnd, caption, sizeof caption);
        if (std::strcmp(caption, search->caption) != 0)
            return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM data) {
    if (ProgramRun::ClassOf(hwnd) != "Static")
        return TRUE;
    char text[2048] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    auto *longest = reinterpret_cast<std::string *>(data);
    if (std::strlen(text) > longest->size())
        *longest = text;
    return TRUE;
}

}

ProgramRun::ProgramRun(const std::string &folder, const std::string &arguments)
    : ProgramRun(folder + "Tamborel.exe", folder, arguments) {}

ProgramRun::ProgramRun(const std::string &program, const std::string &directory, const std::string &arguments) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        WaitForInputIdle(process_, 10000);
    }
}

ProgramRun::~ProgramRun() {
    if (!process_)
        return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

HWND ProgramRun::WaitForWindow(const char *className, const char *caption, DWORD timeout) const {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{processId_, className, caption, nullptr};
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeout || WaitForSingleObject(process_, 0) != WAIT_TIMEOUT)
            return nullptr;
        Sleep(50);
    }
}

bool ProgramRun::HasWindow(const char *className) const {
    Search search{processId_, className, nullptr, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

bool ProgramRun::WaitForExit(DWORD timeout, DWORD &code) const {
    if (!process_ || WaitForSingleObject(process_, timeout) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_, &code) != FALSE;
}

std::string ProgramRun::MessageText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void ProgramRun::Press(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

std::string ProgramRun::ClassOf(HWND hwnd) {
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}
