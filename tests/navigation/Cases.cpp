#include "Cases.h"

#include <windows.h>

namespace {

std::string ToShiftJis(const std::string &utf8) {
    const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], wide);
    const int narrow = WideCharToMultiByte(932, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(932, 0, text.data(), wide, &result[0], narrow, nullptr, nullptr);
    return result;
}

std::string Resource(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
    if (!found)
        return "";
    const char *bytes = static_cast<const char *>(LockResource(LoadResource(nullptr, found)));
    return std::string(bytes, SizeofResource(nullptr, found));
}

// Removes the markers in the order they stand, so that each position counts none of them.
void Finish(CaseFile &file) {
    // The blank lines that part cases are no part of the last file.
    std::string &text = file.text;
    while (text == "\r\n" || (text.size() >= 4 && text.compare(text.size() - 4, 4, "\r\n\r\n") == 0))
        text.resize(text.size() - 2);
    const struct {
        const char *marker;
        long CaseFile::*position;
    } markers[] = {{"<|>", &CaseFile::caret}, {"[[", &CaseFile::selectionStart}, {"]]", &CaseFile::selectionEnd}};
    for (;;) {
        size_t first = std::string::npos;
        const char *which = nullptr;
        long CaseFile::*position = nullptr;
        for (const auto &m : markers) {
            const size_t at = file.text.find(m.marker);
            if (at < first) {
                first = at;
                which = m.marker;
                position = m.position;
            }
        }
        if (!which)
            return;
        file.text.erase(first, std::string(which).size());
        file.*position = static_cast<long>(first);
    }
}

}

std::string Case::Option(const std::string &key) const {
    const auto found = options.find(key);
    return found == options.end() ? "" : found->second;
}

std::vector<Case> LoadCases(int resource) {
    const std::string text = ToShiftJis(Resource(resource));
    std::vector<Case> cases;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        if (line.compare(0, 3, "== ") == 0) {
            cases.push_back({line.substr(3), {}, {}});
        } else if (line.compare(0, 3, "-- ") == 0 && !cases.empty()) {
            cases.back().files.push_back({line.substr(3), ""});
        } else if (!cases.empty() && !cases.back().files.empty()) {
            cases.back().files.back().text += line + "\r\n";
        } else if (!cases.empty() && line.find(": ") != std::string::npos) {
            cases.back().options[line.substr(0, line.find(": "))] = line.substr(line.find(": ") + 2);
        }
    }
    for (Case &c : cases)
        for (CaseFile &file : c.files)
            Finish(file);
    return cases;
}
