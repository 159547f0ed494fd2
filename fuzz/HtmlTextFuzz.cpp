// The HTML export's text walk and markers over any bytes and styles. The page a row ends up in,
// once printed (the printer escapes & < > ") and its markers replaced, must hold exactly the
// line's characters (a tab or blank as &nbsp;) between well-formed spans of the styles the walk
// reports; and content escaped for the page must come back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "html/HtmlText.h"

namespace {

void Check(bool holds) {
    if (!holds)
        std::abort();
}

const std::string prefix = "sp";

std::string Printed(const std::string &code) {
    std::string out;
    for (char c : code) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// The characters of a page's row, checking its markup on the way: spans neither nested nor left
// open, each of a reported style.
std::string Characters(const std::string &page, const HtmlText::Rows &rows) {
    std::string text;
    bool open = false;
    for (size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '&') {
            const size_t semicolon = page.find(';', i);
            Check(semicolon != std::string::npos);
            const std::string entity = page.substr(i, semicolon + 1 - i);
            const char *const names[] = {"&nbsp;", "&amp;", "&lt;", "&gt;", "&quot;"};
            const char values[] = {' ', '&', '<', '>', '"'};
            size_t which = 0;
            while (which < 5 && entity != names[which])
                ++which;
            Check(which < 5);
            text += values[which];
            i = semicolon;
        } else if (page[i] == '<') {
            const size_t close = page.find('>', i);
            Check(close != std::string::npos);
            const std::string tag = page.substr(i + 1, close - i - 1);
            if (open) {
                Check(tag == "/span");
            } else {
                const std::string start = "span class=\"" + prefix;
                Check(tag.compare(0, start.size(), start) == 0 && tag.back() == '"');
                const int style = std::atoi(tag.c_str() + start.size());
                bool reported = false;
                for (int s : rows.styles)
                    reported = reported || s == style;
                Check(reported);
            }
            open = !open;
            i = close;
        } else {
            text += page[i];
        }
    }
    Check(!open);
    return text;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2)
        return 0;
    const std::string bytes(reinterpret_cast<const char *>(data + 2), size - 2);
    Check(HtmlText::ReplaceMarkers(HtmlText::EscapeContent(bytes)) == bytes);

    // The first half is the text, the second its styles (short styles leave the rest at 0).
    const std::string text = bytes.substr(0, (bytes.size() + 1) / 2);
    const std::string styles = bytes.substr(text.size());
    const size_t end = text.size() - (data[0] % 2 && !text.empty() ? 1 : 0);
    const HtmlText::Rows rows = HtmlText::WalkLines(text, styles, end, data[1], prefix);
    std::string characters;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        Check(rows.rows[i].number == data[1] + static_cast<long long>(i));
        const std::string line = Characters(HtmlText::ReplaceMarkers(Printed(rows.rows[i].code)), rows);
        Check(line.find_first_of("\r\n") == std::string::npos);
        characters += line;
    }
    std::string expected;
    for (size_t i = 0; i < end; ++i)
        if (text[i] != '\r' && text[i] != '\n')
            expected += text[i] == '\t' ? ' ' : text[i];
    Check(characters == expected);
    for (size_t i = 1; i < rows.styles.size(); ++i)
        Check(rows.styles[i - 1] < rows.styles[i]);
    return 0;
}
