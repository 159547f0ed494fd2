#include "language/FileTypes.h"

#include <cstring>

#include "resources/resource.h"

namespace {

struct ExtensionCode {
    const char *extension;
    int code;
};

const ExtensionCode extensions[] = {
    {".CT", 1}, {".DAT", 1}, {".HTT", 1}, {".KW", 1}, {".LOG", 1}, {".TXT", 1},
    {".PY", 2},
    {".C", 3}, {".CC", 3}, {".CPP", 3}, {".CXX", 3}, {".H", 3},
    {".ASP", 4}, {".CFM", 4}, {".HTA", 4}, {".HTD", 4}, {".HTM", 4}, {".HTML", 4}, {".JS", 4},
    {".JSP", 4}, {".SHTML", 4}, {".TPL", 4},
    {".AXL", 5}, {".DTD", 5}, {".RDF", 5}, {".SVG", 5}, {".XLS", 5}, {".XML", 5}, {".XRC", 5},
    {".XSD", 5}, {".XSLT", 5}, {".XUL", 5},
    {".PL", 6},
    {".SQL", 7},
    {".BAS", 8}, {".CLS", 8}, {".FRM", 8}, {".VBA", 8}, {".VBS", 8},
    {".PROPERTIES", 9},
    {".PAS", 18},
    {".RB", 22},
    {".F", 36},
    {".CSS", 38},
    {".PHP", 69},
    {".ST", 72},
    {".AS", 300}, {".AHT", 300}, {".HSP", 300}, {".HSS", 300}, {".HSH", 300},
    {".INI", 301},
    {".PRJ", 310},
    {".PDF", 315},
    {".CSV", 316},
    {".TSV", 317},
    {".JAVA", 318}, {".JAD", 318}, {".PDE", 318},
    {".BMP", 321}, {".JPG", 322}, {".JPEG", 322}, {".GIF", 323}, {".PNG", 324},
    {".WAV", 331}, {".MID", 332}, {".MP3", 333},
};

// The entries are ASCII upper case; only a-z fold, so a double-byte character never matches.
bool SameAsciiUpper(const char *upper, const char *text) {
    for (; *upper && *text; ++upper, ++text) {
        char c = *text;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != *upper)
            return false;
    }
    return *upper == *text;
}

struct CommandCode {
    int command;
    int code;
};

const CommandCode commands[] = {
    {IDM_LANGUAGE_HSP, FileTypes::Hsp},      {IDM_LANGUAGE_TEXT, FileTypes::PlainText},
    {IDM_LANGUAGE_INI, FileTypes::Ini},      {IDM_LANGUAGE_HTML, FileTypes::Html},
    {IDM_LANGUAGE_CSV, FileTypes::Csv},      {IDM_LANGUAGE_TSV, FileTypes::Tsv},
    {IDM_LANGUAGE_SQL, FileTypes::Sql},      {IDM_LANGUAGE_CPP, FileTypes::Cpp},
    {IDM_LANGUAGE_VB, FileTypes::VisualBasic}, {IDM_LANGUAGE_XML, FileTypes::Xml},
};

}

namespace FileTypes {

const int languageCommands[] = {IDM_LANGUAGE_HSP, IDM_LANGUAGE_TEXT, IDM_LANGUAGE_INI, IDM_LANGUAGE_HTML,
                                IDM_LANGUAGE_CSV, IDM_LANGUAGE_TSV, IDM_LANGUAGE_SQL, IDM_LANGUAGE_CPP,
                                IDM_LANGUAGE_VB, IDM_LANGUAGE_XML};
const int languageCommandCount = sizeof languageCommands / sizeof languageCommands[0];

int FromExtension(const char *extension) {
    if (!extension || std::strlen(extension) < 2)
        return PlainText;
    for (const ExtensionCode &entry : extensions) {
        if (SameAsciiUpper(entry.extension, extension))
            return entry.code;
    }
    return PlainText;
}

int CommandOf(int code) {
    for (const CommandCode &entry : commands) {
        if (entry.code == code)
            return entry.command;
    }
    return 0;
}

int CodeOfCommand(int command) {
    for (const CommandCode &entry : commands) {
        if (entry.command == command)
            return entry.code;
    }
    return 0;
}

}
