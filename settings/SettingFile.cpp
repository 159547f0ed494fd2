#include "settings/SettingFile.h"

#include <windows.h>

#include <tinyxml.h>

#include <cstring>

#include "framework/KernelHandle.h"
#include "framework/ShiftJis.h"

namespace {

bool Blank(const std::string &bytes) {
    for (char c : bytes)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

size_t SkipPast(const std::string &bytes, size_t from, const char *end) {
    const size_t found = bytes.find(end, from);
    return found == std::string::npos ? bytes.size() : found + std::strlen(end);
}

// The parser recurses once per level of elements, so a deep enough file would exhaust the stack.
// Counts open tags the way the parser will see them and gives up past MaxDepth.
bool NestingWithinLimit(const std::string &bytes) {
    int depth = 0;
    size_t i = 0;
    while ((i = bytes.find('<', i)) != std::string::npos) {
        if (bytes.compare(i, 4, "<!--") == 0) {
            i = SkipPast(bytes, i + 4, "-->");
        } else if (bytes.compare(i, 9, "<![CDATA[") == 0) {
            i = SkipPast(bytes, i + 9, "]]>");
        } else if (bytes.compare(i, 2, "<?") == 0 || bytes.compare(i, 2, "<!") == 0) {
            i = SkipPast(bytes, i + 2, ">");
        } else if (bytes.compare(i, 2, "</") == 0) {
            --depth;
            i = SkipPast(bytes, i + 2, ">");
        } else {
            char quote = 0;
            size_t end = i + 1;
            for (; end < bytes.size(); ++end) {
                const char c = bytes[end];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (end >= bytes.size() || bytes[end - 1] != '/')
                ++depth;
            if (depth > SettingFile::MaxDepth)
                return false;
            i = end + 1;
        }
    }
    return true;
}

// What the parser's own file reading does: CR LF and lone CR become LF.
void NormalizeLineEnds(std::string &bytes) {
    size_t out = 0;
    for (size_t in = 0; in < bytes.size(); ++in) {
        if (bytes[in] == '\r') {
            bytes[out++] = '\n';
            if (in + 1 < bytes.size() && bytes[in + 1] == '\n')
                ++in;
        } else {
            bytes[out++] = bytes[in];
        }
    }
    bytes.resize(out);
}

SettingFile::State ReadBytes(const char *path, std::string &bytes) {
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? SettingFile::State::Missing
                                                                              : SettingFile::State::Unreadable;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return SettingFile::State::Unreadable;
    KernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return SettingFile::State::Unreadable;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return SettingFile::State::Unreadable;
    if (size.QuadPart > static_cast<LONGLONG>(SettingFile::MaxSize))
        return SettingFile::State::Malformed;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return SettingFile::State::Unreadable;
    return SettingFile::State::Parsed;
}

bool WriteBytes(const char *path, const std::string &bytes) {
    KernelHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return false;
    return FlushFileBuffers(file.Get()) && file.Reset();
}

}

namespace SettingFile {

State Load(TiXmlDocument &document, const char *path) {
    document.Clear();
    std::string bytes;
    const State state = ReadBytes(path, bytes);
    if (state != State::Parsed)
        return state;
    if (Blank(bytes))
        return State::Blank;
    if (!NestingWithinLimit(bytes))
        return State::Malformed;
    NormalizeLineEnds(bytes);
    // Legacy: bytes above 0x7F are the code page's own, never decoded as UTF-8 (a UTF-8 reading
    // would swallow the '<' after some Shift-JIS lead bytes).
    document.Parse(bytes.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    // The parser takes stray "<<<" for unknown markup; a file without any element is no setting file.
    if (document.Error() || !document.FirstChildElement()) {
        document.Clear();
        return State::Malformed;
    }
    return State::Parsed;
}

bool Store(const TiXmlDocument &document, const char *path) {
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    printer.SetLineBreak("\r\n");
    document.Accept(&printer);

    char folder[MAX_PATH];
    lstrcpynA(folder, path, MAX_PATH);
    const int slash = ShiftJis::FindLast(folder, static_cast<int>(std::strlen(folder)), '\\');
    if (slash >= 0)
        folder[slash + 1] = '\0';
    else
        lstrcpynA(folder, ".\\", MAX_PATH);
    char temporary[MAX_PATH];
    if (!GetTempFileNameA(folder, "tam", 0, temporary))
        return false;
    if (!WriteBytes(temporary, printer.Str()) ||
        !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}

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
