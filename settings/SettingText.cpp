#include "settings/SettingFile.h"

#include <tinyxml.h>

#include <cstring>

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
            // A stray end tag closes nothing: counting it would let deeper nesting through.
            if (depth > 0)
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

// The parser keeps a declaration's values as written, the printer writes them back unescaped: a
// broken one ("&", "<" or a quote inside) would come back as a different file, or not parse.
// Only what can stand in such a value is kept.
std::string DeclarationValue(const char *value) {
    std::string kept;
    for (const char *c = value ? value : ""; *c; ++c)
        if ((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9') || *c == '.' ||
            *c == '_' || *c == '-')
            kept += *c;
    return kept;
}

// Declarations may stand anywhere the parser met one, inside elements too. The nesting guard
// bounds the depth of this walk.
void CleanDeclarations(TiXmlNode &parent) {
    for (TiXmlNode *node = parent.FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlDeclaration *declaration = node->ToDeclaration()) {
            const TiXmlDeclaration clean(DeclarationValue(declaration->Version()), DeclarationValue(declaration->Encoding()),
                                         DeclarationValue(declaration->Standalone()));
            node = parent.ReplaceChild(node, clean);
            if (!node)
                return;
        } else {
            CleanDeclarations(*node);
        }
    }
}

}

namespace SettingFile {

State Parse(TiXmlDocument &document, std::string bytes) {
    document.Clear();
    if (bytes.size() > MaxSize)
        return State::Malformed;
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
    CleanDeclarations(document);
    return State::Parsed;
}

std::string Print(const TiXmlDocument &document) {
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    printer.SetLineBreak("\r\n");
    document.Accept(&printer);
    return printer.Str();
}

}
