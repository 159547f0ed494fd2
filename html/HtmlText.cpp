#include "html/HtmlText.h"

#include <cstdio>
#include <set>

namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

void PutMarker(std::string &out, char which) {
    out += HtmlText::Marker;
    out += which;
}

// One line's cell: spans by style, spaces and tabs as non-breaking spaces.
class LineWriter {
public:
    LineWriter(const std::string &spanPrefix, std::set<int> &styles) : spanPrefix_(spanPrefix), styles_(styles) {}

    void Start(std::string &out) {
        out_ = &out;
        style_ = -1;
    }

    void Blank() { PutMarker(*out_, HtmlText::Space); }

    void Character(const char *bytes, size_t length, int style) {
        if (style != style_)
            OpenSpan(style);
        for (size_t i = 0; i < length; ++i) {
            if (bytes[i] == HtmlText::Marker)
                *out_ += HtmlText::Marker;
            *out_ += bytes[i];
        }
    }

    void Finish() {
        if (style_ >= 0)
            CloseSpan();
    }

private:
    void OpenSpan(int style) {
        if (style_ >= 0)
            CloseSpan();
        style_ = style;
        styles_.insert(style);
        char number[8];
        std::snprintf(number, sizeof number, "%02d", style);
        PutMarker(*out_, HtmlText::LessThan);
        *out_ += "span class=";
        PutMarker(*out_, HtmlText::Quote);
        *out_ += spanPrefix_;
        *out_ += number;
        PutMarker(*out_, HtmlText::Quote);
        PutMarker(*out_, HtmlText::GreaterThan);
    }

    void CloseSpan() {
        PutMarker(*out_, HtmlText::LessThan);
        *out_ += "/span";
        PutMarker(*out_, HtmlText::GreaterThan);
    }

    const std::string &spanPrefix_;
    std::set<int> &styles_;
    std::string *out_ = nullptr;
    int style_ = -1;
};

// Walks one line from position; returns the position of its line end (or end).
size_t WalkLine(const std::string &text, const std::string &styles, size_t position, size_t end, LineWriter &writer) {
    while (position < end) {
        const unsigned char c = static_cast<unsigned char>(text[position]);
        if (c == '\r' || c == '\n')
            break;
        if (c == ' ' || c == '\t') {
            writer.Blank();
            ++position;
            continue;
        }
        // A lead byte without a proper trail byte stands alone, so a line end is never swallowed.
        const size_t length =
            IsLeadByte(c) && position + 1 < end && IsTrailByte(static_cast<unsigned char>(text[position + 1])) ? 2 : 1;
        const int style = position < styles.size() ? static_cast<unsigned char>(styles[position]) : 0;
        writer.Character(&text[position], length, style);
        position += length;
    }
    return position;
}

}

namespace HtmlText {

Rows WalkLines(const std::string &text, const std::string &styles, size_t end, long long firstNumber,
               const std::string &spanPrefix) {
    Rows result;
    std::set<int> used;
    LineWriter writer(spanPrefix, used);
    end = end < text.size() ? end : text.size();
    for (size_t position = 0;;) {
        result.rows.push_back(Row{firstNumber + static_cast<long long>(result.rows.size()), std::string()});
        writer.Start(result.rows.back().code);
        position = WalkLine(text, styles, position, end, writer);
        writer.Finish();
        if (position >= end)
            break;
        if (text[position] == '\r' && position + 1 < text.size() && text[position + 1] == '\n')
            ++position;
        // A line end that reaches past the range (CR at its end, LF beyond) starts no new line.
        if (++position > end)
            break;
    }
    result.styles.assign(used.begin(), used.end());
    return result;
}

std::string EscapeContent(const std::string &content) {
    std::string escaped;
    escaped.reserve(content.size());
    for (char c : content) {
        if (c == Marker)
            escaped += Marker;
        escaped += c;
    }
    return escaped;
}

std::string ReplaceMarkers(const std::string &printed) {
    std::string page;
    page.reserve(printed.size() + printed.size() / 4);
    for (size_t i = 0; i < printed.size(); ++i) {
        if (printed[i] != Marker || i + 1 == printed.size()) {
            page += printed[i];
            continue;
        }
        switch (printed[++i]) {
        case Space: page += "&nbsp;"; break;
        case LessThan: page += '<'; break;
        case GreaterThan: page += '>'; break;
        case Quote: page += '"'; break;
        case Marker: page += Marker; break;
        // Not a marker: both bytes as they were.
        default: page += Marker; page += printed[i]; break;
        }
    }
    return page;
}

}
