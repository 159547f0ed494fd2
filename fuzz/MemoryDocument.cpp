#include "MemoryDocument.h"

#include <algorithm>
#include <cstdlib>

MemoryDocument::MemoryDocument(std::string text) : text_(std::move(text)), styles_(text_.size(), '\0') {
    lineStarts_.push_back(0);
    for (size_t i = 0; i < text_.size(); ++i) {
        const bool crlf = text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n';
        if ((text_[i] == '\r' && !crlf) || text_[i] == '\n')
            lineStarts_.push_back(static_cast<Sci_Position>(i + 1));
    }
    // As in the component: one line more than there are line ends; a sentinel start at the end.
    lineStarts_.push_back(static_cast<Sci_Position>(text_.size()));
    lineStates_.assign(lineStarts_.size(), 0);
    levels_.assign(lineStarts_.size(), 0x400);
}

void MemoryDocument::Unstyle(Sci_Position position) {
    std::fill(styles_.begin() + std::min<Sci_Position>(position, Length()), styles_.end(), '\0');
}

void MemoryDocument::GetCharRange(char *buffer, Sci_Position position, Sci_Position length) const {
    if (position < 0 || length < 0 || position + length > Length())
        std::abort();
    std::copy_n(text_.data() + position, length, buffer);
}

char MemoryDocument::StyleAt(Sci_Position position) const {
    return position >= 0 && position < Length() ? styles_[static_cast<size_t>(position)] : '\0';
}

Sci_Position MemoryDocument::LineFromPosition(Sci_Position position) const {
    if (position >= Length())
        return LineCount() - 1;
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end() - 1, position);
    return static_cast<Sci_Position>(after - lineStarts_.begin()) - 1;
}

Sci_Position MemoryDocument::LineStart(Sci_Position line) const {
    if (line < 0)
        return 0;
    if (line >= static_cast<Sci_Position>(lineStarts_.size()))
        return Length();
    return lineStarts_[static_cast<size_t>(line)];
}

Sci_Position MemoryDocument::LineEnd(Sci_Position line) const {
    Sci_Position end = LineStart(line + 1);
    if (end > LineStart(line) && text_[static_cast<size_t>(end - 1)] == '\n')
        --end;
    if (end > LineStart(line) && text_[static_cast<size_t>(end - 1)] == '\r')
        --end;
    return end;
}

int MemoryDocument::GetLevel(Sci_Position line) const {
    return line >= 0 && line < static_cast<Sci_Position>(levels_.size()) ? levels_[static_cast<size_t>(line)] : 0x400;
}

int MemoryDocument::SetLevel(Sci_Position line, int level) {
    if (line >= 0 && line < static_cast<Sci_Position>(levels_.size()))
        levels_[static_cast<size_t>(line)] = level;
    return 0;
}

int MemoryDocument::GetLineState(Sci_Position line) const {
    return line >= 0 && line < static_cast<Sci_Position>(lineStates_.size()) ? lineStates_[static_cast<size_t>(line)] : 0;
}

int MemoryDocument::SetLineState(Sci_Position line, int state) {
    if (line < 0 || line >= static_cast<Sci_Position>(lineStates_.size()))
        return 0;
    const int previous = lineStates_[static_cast<size_t>(line)];
    lineStates_[static_cast<size_t>(line)] = state;
    return previous;
}

void MemoryDocument::StartStyling(Sci_Position position) {
    if (position < 0 || position > Length())
        std::abort();
    styling_ = position;
}

// A lexer that styles past the end of the text writes outside the component's style buffer.
bool MemoryDocument::SetStyleFor(Sci_Position length, char style) {
    if (length < 0 || styling_ + length > Length())
        std::abort();
    std::fill_n(styles_.begin() + styling_, length, style);
    styling_ += length;
    return true;
}

bool MemoryDocument::SetStyles(Sci_Position length, const char *styles) {
    if (length < 0 || styling_ + length > Length())
        std::abort();
    std::copy_n(styles, length, styles_.begin() + styling_);
    styling_ += length;
    return true;
}

bool MemoryDocument::IsDBCSLeadByte(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int MemoryDocument::GetLineIndentation(Sci_Position line) {
    int indentation = 0;
    for (Sci_Position i = LineStart(line); i < LineEnd(line); ++i) {
        if (text_[static_cast<size_t>(i)] == ' ')
            ++indentation;
        else if (text_[static_cast<size_t>(i)] == '\t')
            indentation = (indentation / 8 + 1) * 8;
        else
            break;
    }
    return indentation;
}

Sci_Position MemoryDocument::GetRelativePosition(Sci_Position start, Sci_Position offset) const {
    Sci_Position position = start;
    for (; offset > 0 && position < Length(); --offset)
        position += IsDBCSLeadByte(text_[static_cast<size_t>(position)]) && position + 1 < Length() ? 2 : 1;
    for (; offset < 0 && position > 0; ++offset)
        --position;
    return offset == 0 ? position : -1;
}

int MemoryDocument::GetCharacterAndWidth(Sci_Position position, Sci_Position *width) const {
    if (position < 0 || position >= Length()) {
        if (width)
            *width = 0;
        return 0;
    }
    const auto first = static_cast<unsigned char>(text_[static_cast<size_t>(position)]);
    const bool pair = IsDBCSLeadByte(static_cast<char>(first)) && position + 1 < Length();
    if (width)
        *width = pair ? 2 : 1;
    return pair ? (first << 8) | static_cast<unsigned char>(text_[static_cast<size_t>(position + 1)]) : first;
}
