#include "log/Logger.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "framework/KernelHandle.h"
#include "framework/ShiftJis.h"

namespace {

const DWORD MutexTimeout = 5000;

bool IsFile(const char *path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const char *path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool WriteAll(HANDLE file, const char *bytes, size_t length) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr) && written == length;
}

// Holds the named mutex from a successful wait to the end of the line.
class MutexLock {
public:
    explicit MutexLock(HANDLE mutex) : mutex_(mutex) {
        const DWORD result = WaitForSingleObject(mutex_, MutexTimeout);
        // An abandoned mutex (its holder died) is owned all the same.
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~MutexLock() {
        if (owned_)
            ReleaseMutex(mutex_);
    }
    MutexLock(const MutexLock &) = delete;
    MutexLock &operator=(const MutexLock &) = delete;
    bool Owned() const { return owned_; }

private:
    HANDLE mutex_;
    bool owned_;
};

// "2026/03/03 09:05:07 (w) - ": the local time now and the level's letter.
std::string Header(char letter) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char header[64];
    const int length = std::snprintf(header, sizeof header, "%04d/%02d/%02d %02d:%02d:%02d (%c) - ", now.wYear,
                                     now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, letter);
    return std::string(header, length > 0 ? static_cast<size_t>(length) : 0);
}

}

struct Logger::HeldLine {
    unsigned short level;
    std::string header;
    std::string message;
};

Logger::Logger(const char *directory) : buffer_(new char[BufferSize]) {
    lstrcpynA(directory_, directory ? directory : "", sizeof directory_);
    std::snprintf(mutexName_, sizeof mutexName_, "%sLoggerObject", "Tamborel");
    GenerationFile(1, currentFile_);
    buffer_[0] = '\0';
}

Logger::~Logger() = default;

void Logger::GenerationFile(int generation, char *path) const {
    std::snprintf(path, MAX_PATH, "%sTamborel%d.log", directory_, generation);
}

unsigned short Logger::LevelOfSetting(int logLevelSetting) {
    switch (logLevelSetting) {
    case 'D': return 5;
    case 'I': return 4;
    case 'W': return 3;
    case 'E': return 2;
    case 'F': return 1;
    default: return 0;
    }
}

bool Logger::RollOver() const {
    char older[MAX_PATH];
    char newer[MAX_PATH];
    GenerationFile(Generations, older);
    if (IsFile(older) && !DeleteFileA(older))
        return false;
    for (int generation = Generations; generation >= 2; --generation) {
        GenerationFile(generation, older);
        GenerationFile(generation - 1, newer);
        if (Exists(newer) && !MoveFileA(newer, older))
            return false;
    }
    return true;
}

size_t Logger::Format(const char *format, va_list arguments) {
    char *buffer = buffer_.get();
    buffer[BufferSize - 1] = '\0';
    const int wanted = std::vsnprintf(buffer, BufferSize, format ? format : "", arguments);
    if (wanted < 0) {
        buffer[0] = '\0';
        return 0;
    }
    size_t length = std::strlen(buffer);
    if (static_cast<size_t>(wanted) > length) {
        // Cut: drop a lead byte whose trail byte did not fit.
        length = ShiftJis::WholeLength(buffer, length);
        buffer[length] = '\0';
    }
    return length;
}

void Logger::Hold() { holding_ = true; }

void Logger::Release() {
    holding_ = false;
    std::vector<HeldLine> held;
    held.swap(held_);
    for (const HeldLine &line : held) {
        if (line.level <= level)
            Write(line.header, line.message.c_str(), line.message.size());
    }
}

void Logger::Log(const char *format, va_list arguments, char letter, unsigned short lineLevel) {
    if (!holding_ && lineLevel > level)
        return;
    const std::string header = Header(letter);
    const size_t length = Format(format, arguments);
    if (!holding_)
        Write(header, buffer_.get(), length);
    else if (held_.size() < HeldLines)
        held_.push_back({lineLevel, header, std::string(buffer_.get(), length)});
}

void Logger::Write(const std::string &header, const char *message, size_t length) {
    KernelHandle mutex(CreateMutexA(nullptr, FALSE, mutexName_));
    if (!mutex.Valid())
        return;
    MutexLock lock(mutex.Get());
    if (!lock.Owned())
        return;

    KernelHandle file(CreateFileA(currentFile_, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return;
    if (size.QuadPart <= static_cast<LONGLONG>(RolloverSize)) {
        if (size.QuadPart != 0 && SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
            GetLastError() != NO_ERROR)
            return;
    } else {
        file.Reset();
        if (!RollOver())
            return;
        file.Reset(CreateFileA(currentFile_, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid())
            return;
    }

    if (WriteAll(file.Get(), header.data(), header.size()) && WriteAll(file.Get(), message, length))
        WriteAll(file.Get(), "\r\n", 2);
}

#define TAMBOREL_LOGGER_LEVEL(name, letter, number)                                                                    \
    void Logger::name(const char *format, ...) {                                                                       \
        va_list arguments;                                                                                             \
        va_start(arguments, format);                                                                                   \
        Log(format, arguments, letter, number);                                                                        \
        va_end(arguments);                                                                                             \
    }
TAMBOREL_LOGGER_LEVEL(Fatal, 'f', 1)
TAMBOREL_LOGGER_LEVEL(Error, 'e', 2)
TAMBOREL_LOGGER_LEVEL(Warn, 'w', 3)
TAMBOREL_LOGGER_LEVEL(Info, 'i', 4)
TAMBOREL_LOGGER_LEVEL(Debug, 'd', 5)
#undef TAMBOREL_LOGGER_LEVEL
