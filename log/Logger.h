// Appends time-stamped lines to log\Tamborel1.log, keeps five generations, and serialises
// writers across every running copy of the program with a named mutex. Never reports its own
// failures: a line that cannot be written is dropped.
#pragma once

#include <cstdarg>
#include <memory>
#include <string>
#include <vector>

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

    // From Hold to Release lines are kept in memory, whatever the level, and Release writes
    // those that pass the level set by then, with the time they were logged. Start-up reads the
    // settings that give the level, and may warn about them, before the level is known.
    void Hold();
    void Release();

    // The level for a log_level setting value ('D' 5 ... 'F' 1; anything else 0).
    static unsigned short LevelOfSetting(int logLevelSetting);

    const char *CurrentFile() const { return currentFile_; }
    const char *MutexName() const { return mutexName_; }

    static constexpr unsigned long RolloverSize = 1048576;
    static constexpr int Generations = 5;
    static constexpr size_t BufferSize = 0x100000;
    // Lines past this many while holding are dropped.
    static constexpr size_t HeldLines = 64;

private:
    struct HeldLine;

    // Appends one line under the named mutex, rolling the files over first when needed.
    void Write(const std::string &header, const char *message, size_t length);
    // Generation n (1 current ... 5 oldest) of the log file.
    void GenerationFile(int generation, char *path) const;
    bool RollOver() const;
    // The message, formatted and bounded to the buffer; returns its length.
    size_t Format(const char *format, va_list arguments);

    char currentFile_[260];
    // The log directory, with its trailing backslash. File names are made from it, never used
    // as a format (a folder name may hold a per cent sign).
    char directory_[260];
    char mutexName_[34];
    std::unique_ptr<char[]> buffer_;
    bool holding_ = false;
    std::vector<HeldLine> held_;
};
