// Byte access and style output for the HSP lexer: Shift-JIS byte classes, a windowed reader of
// the document and a buffered style writer. Both talk to Scintilla in large blocks, which is
// most of what makes the lexer cheap per byte.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "ILexer.h"

namespace Vessary::ShiftJisBytes {

inline bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
// The same trail bytes Scintilla accepts for code page 932, so that the lexer and the editor
// agree on where every character begins.
inline bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

}

namespace Vessary {

// The document text through a window of whole blocks. Positions past the end read as 0, so a
// look-ahead of a few bytes never needs its own bounds check.
class HspText {
public:
    void Reset(Scintilla::IDocument *document) {
        document_ = document;
        length_ = document->Length();
        // Far enough before position 0 that the first read fills the window.
        start_ = -static_cast<Sci_Position>(4 * window);
    }

    Sci_Position Length() const { return length_; }

    unsigned char operator[](Sci_Position position) {
        const auto offset = static_cast<std::size_t>(position - start_);
        if (offset >= window)
            return Fill(position);
        return static_cast<unsigned char>(buffer_[offset]);
    }

    // The width of the character at position: 2 for a lead byte with a valid trail byte.
    int Width(Sci_Position position) {
        return ShiftJisBytes::IsLead((*this)[position]) && ShiftJisBytes::IsTrail((*this)[position + 1]) ? 2 : 1;
    }

private:
    static constexpr std::size_t window = 1 << 14;
    // Room kept before the requested position, for the little the lexer looks back.
    static constexpr Sci_Position lookBehind = 16;

    unsigned char Fill(Sci_Position position) {
        start_ = std::max<Sci_Position>(position - lookBehind, 0);
        const Sci_Position available = std::clamp<Sci_Position>(length_ - start_, 0, window);
        if (available > 0)
            document_->GetCharRange(buffer_, start_, available);
        std::memset(buffer_ + available, 0, window - static_cast<std::size_t>(available));
        return static_cast<unsigned char>(buffer_[position - start_]);
    }

    Scintilla::IDocument *document_ = nullptr;
    Sci_Position length_ = 0;
    Sci_Position start_ = 0;
    char buffer_[window];
};

// Styles positions in order, from the start given to Start up to a limit; what lies past the
// limit is dropped, so a token may be finished past it without styling beyond the request.
class HspStyleWriter {
public:
    void Start(Scintilla::IDocument *document, Sci_Position start, Sci_Position limit) {
        document_ = document;
        next_ = start;
        limit_ = limit;
        used_ = 0;
        document->StartStyling(start);
    }

    // Styles everything from the first unstyled position up to end (exclusive).
    void To(Sci_Position end, int style) {
        end = std::min(end, limit_);
        while (next_ < end) {
            const std::size_t count = std::min(static_cast<std::size_t>(end - next_), capacity - used_);
            std::memset(buffer_ + used_, style, count);
            used_ += count;
            next_ += static_cast<Sci_Position>(count);
            if (used_ == capacity)
                Flush();
        }
    }

    void Flush() {
        if (used_ > 0)
            document_->SetStyles(static_cast<Sci_Position>(used_), buffer_);
        used_ = 0;
    }

private:
    static constexpr std::size_t capacity = 1 << 14;

    Scintilla::IDocument *document_ = nullptr;
    Sci_Position next_ = 0;
    Sci_Position limit_ = 0;
    std::size_t used_ = 0;
    char buffer_[capacity];
};

}
