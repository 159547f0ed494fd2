// The settings reader over any bytes: its guards (size, nesting, blank files) and the XML parser
// behind them. What the program writes back from a file it read must read again with the same
// elements, attributes and texts (white space aside, which the parser condenses): a written
// setting file that reads differently loses settings.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <tinyxml.h>

#include "settings/SettingFile.h"

namespace {

std::string Condensed(const char *text) {
    std::string out;
    for (const char *c = text ? text : ""; *c; ++c) {
        const bool blank = *c == ' ' || *c == '\t' || *c == '\r' || *c == '\n';
        if (!blank)
            out += *c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

void Dump(const TiXmlNode *node, std::string &out) {
    for (const TiXmlNode *child = node->FirstChild(); child; child = child->NextSibling()) {
        if (const TiXmlElement *element = child->ToElement()) {
            out += "<" + std::string(element->Value());
            for (const TiXmlAttribute *a = element->FirstAttribute(); a; a = a->Next())
                out += " " + std::string(a->Name()) + "=" + a->Value();
            out += ">";
            Dump(element, out);
            out += "</>";
        } else if (const TiXmlText *text = child->ToText()) {
            out += "[" + Condensed(text->Value()) + "]";
        }
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TiXmlDocument read;
    if (SettingFile::Parse(read, std::string(reinterpret_cast<const char *>(data), size)) != SettingFile::State::Parsed)
        return 0;
    TiXmlDocument again;
    if (SettingFile::Parse(again, SettingFile::Print(read)) != SettingFile::State::Parsed)
        std::abort();
    std::string before, after;
    Dump(&read, before);
    Dump(&again, after);
    if (before != after)
        std::abort();
    return 0;
}
