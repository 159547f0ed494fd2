#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>

#include "hsp/CompilerText.h"

namespace {

std::string Resource(const char *name) {
    HRSRC found = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    return loaded ? std::string(static_cast<const char *>(LockResource(loaded)), SizeofResource(nullptr, found)) : "";
}

std::string ShiftJisOf(const std::string &utf8) {
    std::wstring wide(utf8.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], static_cast<int>(wide.size()))) - 1);
    std::string bytes(wide.size() * 2 + 1, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(932, 0, wide.c_str(), -1, &bytes[0], static_cast<int>(bytes.size()), nullptr, nullptr)) - 1);
    return bytes;
}

}

TEST(CompilerText, MessageLinesNameTheirFileAndLine) {
    std::istringstream cases(Resource("MESSAGE_LOCATIONS"));
    int checked = 0;
    for (std::string line; std::getline(cases, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(ShiftJisOf(line));
        std::string message, file, number;
        std::getline(fields, message, '\t');
        std::getline(fields, file, '\t');
        std::getline(fields, number, '\t');
        CompilerText::Location location;
        const bool found = CompilerText::ParseLocation(message.data(), message.size(), location);
        EXPECT_EQ(file != "-", found) << line;
        if (found && file != "-") {
            EXPECT_EQ(file, location.file) << line;
            EXPECT_EQ(std::stoi(number), location.line) << line;
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

// A name longer than the reserved-word list's first column keeps one space before its kind;
// edit controls get CR LF whatever the line ends were.
TEST(CompilerText, LongNamesKeepASpaceAndEveryLineEndBecomesCrLf) {
    EXPECT_EQ(std::string("abcdefghijklmnopqrstuvwxyz") + " kind\n", CompilerText::ExpandTabs("abcdefghijklmnopqrstuvwxyz\tkind\n"));
    EXPECT_EQ("a\r\nb\r\nc\r\nd", CompilerText::WithCrLf("a\nb\r\nc\rd"));
}
