// A Desktop for tests: answers prompts from a script and records what the program asked.
// Installed for its lifetime.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "framework/Desktop.h"

class ScriptedDesktop : public Desktop {
public:
    struct Message {
        std::string text;
        std::string caption;
        UINT type;
    };
    struct Launch {
        std::string verb;
        std::string file;
        std::string parameters;
        std::string directory;
    };

    ScriptedDesktop() { Install(this); }
    ~ScriptedDesktop() override { Install(nullptr); }

    // Answers for message boxes, in order; IDOK when the script runs out.
    std::deque<int> answers;
    // Paths chosen in file dialogs, in order (several files: join with '\0' as the dialog does);
    // an empty entry or an empty script cancels.
    std::deque<std::string> files;
    std::deque<std::string> folders;
    // Whether StartProcess really starts the process (else it only records).
    bool startProcesses = false;

    std::vector<Message> messages;
    std::vector<OPENFILENAMEA> fileRequests;
    std::vector<std::string> fileDialogTitles;
    std::vector<Launch> launches;
    std::vector<std::string> processes;

    int ShowMessage(HWND owner, const char *text, const char *caption, UINT type) override;
    bool OpenFileDialog(OPENFILENAMEA &request) override;
    bool SaveFileDialog(OPENFILENAMEA &request) override;
    bool ChooseFolder(HWND owner, const char *prompt, const char *initial, std::string &chosen) override;
    HINSTANCE ShellOpen(HWND owner, const char *verb, const char *file, const char *parameters, const char *directory,
                        int show) override;
    bool StartProcess(const char *application, char *commandLine, bool inheritHandles, DWORD flags,
                      const char *directory, STARTUPINFOA &startup, PROCESS_INFORMATION &process) override;

private:
    bool AnswerFile(OPENFILENAMEA &request);
};
