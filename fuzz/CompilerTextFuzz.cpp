// What the HSP part reads from the compiler library and from packfiles, over any bytes: a
// message line names a place only with a non-empty file name in front and a line from 1; the
// texts made for edit controls hold no lone line end and no tab; a packfile line never keeps
// its line end or a comment.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hsp/CompilerText.h"
#include "hsp/Packfile.h"

namespace {

void Check(bool holds) {
    if (!holds)
        std::abort();
}

void CheckLocation(const std::string &bytes) {
    CompilerText::Location location;
    if (!CompilerText::ParseLocation(bytes.data(), bytes.size(), location))
        return;
    Check(location.line >= 1 && !location.file.empty());
    Check(bytes.find(location.file) != std::string::npos);
    CompilerText::Location first;
    std::string line;
    Check(CompilerText::FirstLocation(bytes, first, &line));
    CompilerText::Location again;
    Check(CompilerText::ParseLocation(line.data(), line.size(), again) && again.file == first.file && again.line == first.line);
}

void CheckTexts(const std::string &bytes) {
    Check(CompilerText::ExpandTabs(bytes).find('\t') == std::string::npos);
    const std::string lines = CompilerText::WithCrLf(bytes);
    for (size_t i = 0; i < lines.size(); ++i)
        Check((lines[i] != '\r' || lines[i + 1] == '\n') && (lines[i] != '\n' || (i > 0 && lines[i - 1] == '\r')));
    Check(CompilerText::LineAt(bytes, bytes.size() % 7).find('\n') == std::string::npos);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    CheckLocation(bytes);
    CheckTexts(bytes);
    for (const Packfile::Line &line : Packfile::Parse(bytes)) {
        Check(!line.name.empty() && line.name.find('\n') == std::string::npos);
        Check(line.encrypted || line.name[0] != ';');
    }
    return 0;
}
