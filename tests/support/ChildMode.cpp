#include "support/ChildMode.h"

#include <windows.h>

#include <map>
#include <vector>

namespace {

std::map<std::string, ChildMode::Job> &Jobs() {
    static std::map<std::string, ChildMode::Job> jobs;
    return jobs;
}

}

namespace ChildMode {

Registration::Registration(const char *name, Job job) { Jobs()[name] = job; }

bool Run(int argc, char **argv, int &exitCode) {
    if (argc < 2)
        return false;
    const auto found = Jobs().find(argv[1]);
    if (found == Jobs().end())
        return false;
    exitCode = found->second(argc - 2, argv + 2);
    return true;
}

KernelHandle Start(const std::string &job, const std::string &arguments) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" " + job + " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return KernelHandle();
    CloseHandle(process.hThread);
    return KernelHandle(process.hProcess);
}

}
