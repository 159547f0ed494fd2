#include "support/ScriptedDesktop.h"

#include <cstring>

int ScriptedDesktop::ShowMessage(HWND, const char *text, const char *caption, UINT type) {
    messages.push_back({text ? text : "", caption ? caption : "", type});
    if (answers.empty())
        return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedDesktop::AnswerFile(OPENFILENAMEA &request) {
    fileRequests.push_back(request);
    fileDialogTitles.push_back(request.lpstrTitle ? request.lpstrTitle : "");
    if (files.empty())
        return false;
    const std::string chosen = files.front();
    files.pop_front();
    if (chosen.empty() || chosen.size() + 2 > request.nMaxFile)
        return false;
    std::memcpy(request.lpstrFile, chosen.data(), chosen.size());
    request.lpstrFile[chosen.size()] = '\0';
    request.lpstrFile[chosen.size() + 1] = '\0';
    const size_t slash = chosen.find_last_of('\\');
    request.nFileOffset = static_cast<WORD>(chosen.find('\0') == std::string::npos && slash != std::string::npos ? slash + 1 : 0);
    return true;
}

bool ScriptedDesktop::OpenFileDialog(OPENFILENAMEA &request) { return AnswerFile(request); }
bool ScriptedDesktop::SaveFileDialog(OPENFILENAMEA &request) { return AnswerFile(request); }

bool ScriptedDesktop::ChooseFolder(HWND, const char *, const char *, std::string &chosen) {
    if (folders.empty())
        return false;
    chosen = folders.front();
    folders.pop_front();
    return !chosen.empty();
}

HINSTANCE ScriptedDesktop::ShellOpen(HWND, const char *verb, const char *file, const char *parameters,
                                     const char *directory, int) {
    launches.push_back({verb ? verb : "", file ? file : "", parameters ? parameters : "", directory ? directory : ""});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

bool ScriptedDesktop::StartProcess(const char *application, char *commandLine, bool inheritHandles, DWORD flags,
                                   const char *directory, STARTUPINFOA &startup, PROCESS_INFORMATION &process) {
    processes.push_back(std::string(application ? application : "") + "|" + (commandLine ? commandLine : ""));
    if (startProcesses)
        return Desktop::StartProcess(application, commandLine, inheritHandles, flags, directory, startup, process);
    process = PROCESS_INFORMATION{};
    return false;
}
