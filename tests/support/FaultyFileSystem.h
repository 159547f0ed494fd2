// The real file calls, except that a save meets one fault the way the platform would report it.
// Every save of the program (documents, settings, projects) is tried against the same table of
// faults, and what must be left behind is checked the same way.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "framework/FileSystem.h"

class FaultyFileSystem : public FileSystem {
public:
    enum class Step { Create, DiskFull, Flush, Replace, ReplaceLost, Attributes };
    struct Fault {
        const char *name;
        Step step;
        // The original may be gone: the complete new text must stay in a temporary file.
        bool keepsNewText;
    };
    static const std::vector<Fault> &Faults();

    // room: the bytes a full disk still takes before it fails (Step::DiskFull).
    FaultyFileSystem(Step step, size_t room);
    ~FaultyFileSystem() override;
    FaultyFileSystem(const FaultyFileSystem &) = delete;
    FaultyFileSystem &operator=(const FaultyFileSystem &) = delete;

    HANDLE Create(const char *path, DWORD access, DWORD share, DWORD disposition) override;
    bool Write(HANDLE file, const void *data, DWORD size) override;
    bool Flush(HANDLE file) override;
    bool Replace(const char *target, const char *replacement) override;
    bool SetAttributes(const char *path, DWORD attributes) override;

    // The save's temporary files left in folder (full paths).
    static std::vector<std::string> Temporaries(const std::string &folder);
    // After a failed save into folder: none left, or, when the fault keeps the new text, exactly
    // one holding newText and named in told (which it then deletes). Adds gtest failures.
    static void CheckLeftovers(const Fault &fault, const std::string &folder, const std::string &newText, const std::string &told);

private:
    bool Fail(Step step, DWORD error) const;

    Step step_;
    size_t room_;
    size_t written_ = 0;
};
