// What every part of the program needs at run time: where the program is, its version, the
// logger, the colour and font tables and the setting store. Built on first use; destroyed at
// process exit, which writes the changed settings back and closes the log last.
#pragma once

#include <memory>
#include <string>

#include "framework/Object.h"
#include "framework/Path.h"

class Logger;
class SystemColor;
class SystemFont;
class Setting;

class System : public Object {
public:
    static System &Get();

    ~System() override;
    System(const System &) = delete;
    System &operator=(const System &) = delete;

    // The program file: Full() is its path, DirectoryPart() the program directory.
    const Path &Program() const { return program_; }
    // The program directory, ending with a backslash.
    const char *Directory() const;
    // FileVersion of the version resource, empty when there is none.
    const std::string &FileVersion() const { return fileVersion_; }

    Logger &GetLogger() { return *logger_; }
    SystemColor &Colors() { return *colors_; }
    SystemFont &Fonts() { return *fonts_; }
    Setting &Settings() { return *setting_; }

private:
    System();

    Path program_;
    std::string fileVersion_;
    std::unique_ptr<Logger> logger_;
    std::unique_ptr<SystemColor> colors_;
    std::unique_ptr<SystemFont> fonts_;
    std::unique_ptr<Setting> setting_;
};
