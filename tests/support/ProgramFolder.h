// A scratch copy of the built program directory with chosen settings, for end-to-end runs.
#pragma once

#include <string>

class ProgramFolder {
public:
    // Copies the program, Tamborel.exe included. Unless told otherwise the HSP home dialog is
    // switched off, so that start-up does not stop at it.
    explicit ProgramFolder(bool homePrompt = false);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    const std::string &Path() const { return folder_; }
    // Writes lexer\_common.xml with these elements inside body/style (and event).
    void WriteCommon(const std::string &style, const std::string &event = "") const;
    void WriteHsp(const std::string &style, const std::string &event) const;
    std::string Log() const;

private:
    std::string folder_;
};
