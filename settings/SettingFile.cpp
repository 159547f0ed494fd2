#include "settings/SettingFile.h"

#include <windows.h>

#include <tinyxml.h>

#include "framework/FileBytes.h"

namespace {

SettingFile::State ReadBytes(const char *path, std::string &bytes) {
    switch (FileBytes::Read(path, bytes, SettingFile::MaxSize)) {
    case FileBytes::ReadState::Read: return SettingFile::State::Parsed;
    case FileBytes::ReadState::Missing: return SettingFile::State::Missing;
    case FileBytes::ReadState::TooLarge: return SettingFile::State::Malformed;
    default: return SettingFile::State::Unreadable;
    }
}

}

namespace SettingFile {

State Load(TiXmlDocument &document, const char *path) {
    document.Clear();
    std::string bytes;
    const State state = ReadBytes(path, bytes);
    if (state != State::Parsed)
        return state;
    return Parse(document, std::move(bytes));
}

FileBytes::Outcome Store(const TiXmlDocument &document, const char *path) { return FileBytes::Replace(path, Print(document)); }

std::string KeepAside(const char *path) {
    for (int n = 1; n <= 100; ++n) {
        std::string aside = std::string(path) + ".broken";
        if (n > 1)
            aside += std::to_string(n);
        if (GetFileAttributesA(aside.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        return MoveFileA(path, aside.c_str()) ? aside : std::string();
    }
    return std::string();
}

}
