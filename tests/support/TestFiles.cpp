#include "support/TestFiles.h"

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {
std::string programFolder;
}

namespace TestFiles {

void CopyFolder(const std::string &from, const std::string &to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyFolder(from + name + "\\", to + name + "\\");
        else
            CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string DistDirectory() {
    char file[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    std::string path = file;
    path = path.substr(0, path.find_last_of('\\'));
    path = path.substr(0, path.find_last_of('\\'));
    return path + "\\dist\\";
}

std::string MakeTempFolder(const char *prefix) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    static unsigned counter;
    for (;;) {
        std::ostringstream name;
        name << temp << prefix << '-' << GetCurrentProcessId() << '-' << GetTickCount() << '-' << ++counter << '\\';
        if (CreateDirectoryA(name.str().c_str(), nullptr))
            return name.str();
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + name.str());
    }
}

void RemoveTree(const std::string &folder) {
    // An empty name would be the current folder: a fixture that never made its folder (a skipped
    // test) must not empty the tests' own folder.
    if (folder.empty())
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void CopyProgram(const std::string &target, bool exe) { CopyProgram(target, exe, DistDirectory()); }

void CopyProgram(const std::string &target, bool exe, const std::string &dist) {
    for (const char *folder : {"library", "template", "lexer"})
        CopyFolder(dist + folder + "\\", target + folder + "\\");
    CreateDirectoryA((target + "log").c_str(), nullptr);
    CreateDirectoryA((target + "work").c_str(), nullptr);
    // Section files of an earlier run of the built program must not leak into a test.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((target + "lexer\\*.xml").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((target + "lexer\\" + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    if (exe) {
        CopyFileA((dist + "Tamborel.exe").c_str(), (target + "Tamborel.exe").c_str(), FALSE);
        CopyFileA((dist + "Tamborel.html").c_str(), (target + "Tamborel.html").c_str(), FALSE);
    }
}

std::string Read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

size_t Count(const std::string &pattern) {
    size_t count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do
        count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

const std::string &ProgramFolder() { return programFolder; }

void SetProgramFolder(const std::string &folder) { programFolder = folder; }

}
