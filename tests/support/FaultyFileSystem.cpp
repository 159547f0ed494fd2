#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include "support/TestFiles.h"

const std::vector<FaultyFileSystem::Fault> &FaultyFileSystem::Faults() {
    static const std::vector<Fault> faults = {
        {"temporary file not created", Step::Create, false},
        {"disk full in the middle of the write", Step::DiskFull, false},
        {"flush fails", Step::Flush, false},
        {"original held open: neither replaced nor writable in place", Step::Replace, false},
        {"replace fails after the original may be gone", Step::ReplaceLost, true},
        {"attributes cannot be restored", Step::Attributes, false},
    };
    return faults;
}

FaultyFileSystem::FaultyFileSystem(Step step, size_t room) : step_(step), room_(room) { Install(this); }
FaultyFileSystem::~FaultyFileSystem() { Install(nullptr); }

bool FaultyFileSystem::Fail(Step step, DWORD error) const {
    if (step_ != step)
        return false;
    SetLastError(error);
    return true;
}

HANDLE FaultyFileSystem::Create(const char *path, DWORD access, DWORD share, DWORD disposition) {
    // The temporary file is made new; the original is opened as it is to be written in place.
    if ((disposition == CREATE_ALWAYS && Fail(Step::Create, ERROR_ACCESS_DENIED)) ||
        (disposition == OPEN_EXISTING && (access & GENERIC_WRITE) && Fail(Step::Replace, ERROR_SHARING_VIOLATION)))
        return INVALID_HANDLE_VALUE;
    return FileSystem::Create(path, access, share, disposition);
}

bool FaultyFileSystem::Write(HANDLE file, const void *data, DWORD size) {
    if (step_ == Step::DiskFull && written_ + size > room_) {
        const DWORD fits = static_cast<DWORD>(room_ - written_);
        FileSystem::Write(file, data, fits);
        written_ = room_;
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    written_ += size;
    return FileSystem::Write(file, data, size);
}

bool FaultyFileSystem::Flush(HANDLE file) { return !Fail(Step::Flush, ERROR_WRITE_FAULT) && FileSystem::Flush(file); }

bool FaultyFileSystem::Replace(const char *target, const char *replacement) {
    if (Fail(Step::Replace, ERROR_SHARING_VIOLATION) || Fail(Step::ReplaceLost, ERROR_UNABLE_TO_MOVE_REPLACEMENT))
        return false;
    return FileSystem::Replace(target, replacement);
}

bool FaultyFileSystem::SetAttributes(const char *path, DWORD attributes) {
    return !Fail(Step::Attributes, ERROR_ACCESS_DENIED) && FileSystem::SetAttributes(path, attributes);
}

std::vector<std::string> FaultyFileSystem::Temporaries(const std::string &folder) {
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "tmb*.tmp").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do
        found.push_back(folder + data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return found;
}

void FaultyFileSystem::CheckLeftovers(const Fault &fault, const std::string &folder, const std::string &newText,
                                      const std::string &told) {
    const std::vector<std::string> left = Temporaries(folder);
    if (!fault.keepsNewText) {
        EXPECT_TRUE(left.empty()) << left.front();
        return;
    }
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(newText, TestFiles::Read(left[0]));
    EXPECT_NE(std::string::npos, told.find(left[0])) << told;
    DeleteFileA(left[0].c_str());
}
