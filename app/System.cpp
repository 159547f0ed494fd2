#include "app/System.h"

#include <windows.h>

#include <vector>

#include "framework/ProgramDirectory.h"
#include "log/Logger.h"
#include "settings/Lexer.h"
#include "settings/Setting.h"
#include "settings/SystemColor.h"
#include "settings/SystemFont.h"

namespace {

std::string ReadFileVersion(const char *file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(file, 0, size, block.data()))
        return std::string();
    char *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\041104b0\\FileVersion", reinterpret_cast<void **>(&value), &length) ||
        !value || length == 0)
        return std::string();
    return std::string(value);
}

}

System &System::Get() {
    static System system;
    return system;
}

System::System() {
    char file[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    program_.Set(file);
    fileVersion_ = ReadFileVersion(file);
    logger_ = std::make_unique<Logger>((std::string(ProgramDirectory()) + "log\\").c_str());
    Lexer::SetLogger(logger_.get());
    colors_ = std::make_unique<SystemColor>();
    fonts_ = std::make_unique<SystemFont>();
    setting_ = std::make_unique<Setting>(*fonts_);
}

System::~System() {
    setting_.reset();
    fonts_.reset();
    colors_.reset();
    Lexer::SetLogger(nullptr);
    logger_.reset();
}

const char *System::Directory() const { return ProgramDirectory(); }
