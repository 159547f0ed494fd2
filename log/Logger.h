// Appends time-stamped lines to log\Tamborel1.log, keeps five generations, and serialises
// writers across every running copy of the program with a named mutex. Never reports its own
// failures: a line that cannot be written is dropped.
#pragma once

#include <cstdarg>
#include <memory>

#include "framework/Object.h"

class Logger : public Object {
public:
    // directory ends with a backslash. Nothing is created on disk.
    explicit Logger(const char *directory);
    ~Logger() override;
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

    // Lines above this level are dropped; 0 drops every line.
    unsigned short level = 0;

    virtual void Log(const char *format, va_list arguments, char letter, unsigned short lineLevel);

    void Fatal(const char *format, ...);
    void Error(const char *format, ...);
    void Warn(const char *format, ...);
    void Info(const char *format, ...);
    void Debug(const char *format, ...);

    // The level for a log_level setting value ('D' 5 ... 'F' 1; anything else 0).
    static unsigned short LevelOfSetting(int logLevelSetting);

    const char *CurrentFile() const { return currentFile_; }
    const char *MutexName() const { return mutexName_; }

    static const unsigned long RolloverSize = 1048576;
    static const int Generations = 5;
    static const size_t BufferSize = 0x100000;

private:
    char currentFile_[260];
    char pattern_[260];
    char mutexName_[34];
    std::unique_ptr<char[]> buffer_;
};
