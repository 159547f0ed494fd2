// The byte work of the HTML export, apart from windows and files: the walk that turns styled
// Shift-JIS text into table rows of classed spans, and the markers that carry markup through the
// XML printer unescaped.
//
// While the page is assembled, markup inside text is written as two-byte markers starting with
// DEL (0x7F), which the printer leaves alone; after printing they become the markup. A DEL of
// the page's own content is doubled beforehand, so no content byte is ever taken for a marker.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace HtmlText {

const char Marker = '\x7F';
const char Space = '\x80';
const char LessThan = '\xFD';
const char GreaterThan = '\xFE';
const char Quote = '\xFF';

struct Row {
    long long number;
    // The code cell's content, with markers.
    std::string code;
};

struct Rows {
    std::vector<Row> rows;
    // The styles that opened a span, each once, in ascending order.
    std::vector<int> styles;
};

// The rows of text[0, end): one per line, numbered from firstNumber, each run of one style in
// a span of class spanPrefix + the two-digit style. styles holds one style per byte of text.
// text may go one byte past end, so that a CR at the end followed by LF is one line end.
Rows WalkLines(const std::string &text, const std::string &styles, size_t end, long long firstNumber,
               const std::string &spanPrefix);

// Content that goes into the page: every DEL doubled.
std::string EscapeContent(const std::string &content);

// The printed page with each marker replaced by its markup and each doubled DEL made single.
std::string ReplaceMarkers(const std::string &printed);

}
