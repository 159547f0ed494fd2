#include "settings/Lexer.h"

#include <tinyxml.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/Desktop.h"
#include "framework/FileBytes.h"
#include "framework/Path.h"
#include "framework/ProgramDirectory.h"
#include "log/Logger.h"
#include "settings/SettingFile.h"

namespace {

Logger *warnings = nullptr;

void Warn(const char *message, const char *detail) {
    if (warnings)
        warnings->Warn("%s [%s]", message, detail);
}

// The setting file may be gone or damaged and its new text is only in the kept file: the user
// must learn where. Settings are saved at exit, when there may be no window left and the
// program's report is being torn down, so this is the settings' own log line and a plain box.
void TellKept(const char *path, const std::string &kept) {
    Warn("the setting file's new text was left in", kept.c_str());
    const std::string text = std::string(path) + "\r\n" + "設定ファイルに保存できませんでした" + "\r\n" +
                             "保存した内容は次のファイルに残っています：" + "\r\n" + kept;
    Ask(nullptr, text.c_str(), MB_ICONERROR);
}

// The first top-level body; a file whose top element is some other root holds it one level down.
TiXmlElement *FindBody(TiXmlDocument &document) {
    if (TiXmlElement *body = document.FirstChildElement("body"))
        return body;
    if (TiXmlElement *root = document.FirstChildElement())
        return root->FirstChildElement("body");
    return nullptr;
}

TiXmlElement *FirstOrNew(TiXmlNode *parent, const char *name) {
    if (TiXmlElement *found = parent->FirstChildElement(name))
        return found;
    return parent->LinkEndChild(new TiXmlElement(name))->ToElement();
}

// Points the section at the document's style and event elements for one Read or Write, and
// forgets them afterwards even when that throws.
class Binding {
public:
    Binding(Lexer &lexer, TiXmlDocument &document, bool create) : lexer_(lexer) {
        TiXmlElement *body = FindBody(document);
        if (!body && create) {
            TiXmlNode *root = document.FirstChildElement();
            body = FirstOrNew(root ? root : &document, "body");
        }
        if (!body)
            return;
        lexer_.styleElement = create ? FirstOrNew(body, "style") : body->FirstChildElement("style");
        lexer_.eventElement = create ? FirstOrNew(body, "event") : body->FirstChildElement("event");
    }
    ~Binding() { lexer_.styleElement = lexer_.eventElement = nullptr; }
    Binding(const Binding &) = delete;
    Binding &operator=(const Binding &) = delete;

private:
    Lexer &lexer_;
};

// A document for a file that is missing or had to be kept aside: the template's, or bare.
void StartFromTemplate(TiXmlDocument &document, const char *templatePath) {
    if (SettingFile::Load(document, templatePath) == SettingFile::State::Parsed)
        return;
    document.Clear();
    document.LinkEndChild(new TiXmlDeclaration("1.0", "Shift_JIS", ""));
}

// Plain text loses runs of white space and white space at either end when read back.
bool NeedsExactText(const char *value) {
    const size_t length = std::strlen(value);
    if (length == 0 || std::strstr(value, "]]>"))
        return false;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    if (blank(value[0]) || blank(value[length - 1]))
        return true;
    for (size_t i = 0; i < length; ++i)
        if (value[i] == '\t' || value[i] == '\r' || value[i] == '\n' || (value[i] == ' ' && value[i + 1] == ' '))
            return true;
    return false;
}

void WriteText(TiXmlElement *parent, const char *key, const char *value, bool exact = false) {
    TiXmlElement *element = Lexer::FindOrCreate(parent, key);
    if (!element)
        return;
    element->Clear();
    auto *text = new TiXmlText(value);
    text->SetCDATA(exact);
    element->LinkEndChild(text);
}

}

void Lexer::SetLogger(Logger *logger) { warnings = logger; }

void Lexer::ResolvePath(const char *name, char *result) {
    const Path split(name);
    const bool absolute = split.HasDrive() || (name[0] == '\\' && name[1] == '\\');
    if (absolute) {
        lstrcpynA(result, name, MAX_PATH);
        return;
    }
    std::string full = ProgramDirectory();
    full += name[0] == '\\' ? name + 1 : name;
    lstrcpynA(result, full.c_str(), MAX_PATH);
}

void Lexer::Load(bool force) {
    if (loaded && !force)
        return;
    ResolvePath(FileName(), path);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        char templatePath[MAX_PATH];
        ResolvePath(TemplateName(), templatePath);
        TiXmlDocument check;
        if (SettingFile::Load(check, templatePath) == SettingFile::State::Parsed)
            CopyFileA(templatePath, path, TRUE);
    }
    TiXmlDocument document;
    const SettingFile::State state = SettingFile::Load(document, path);
    if (state == SettingFile::State::Malformed || state == SettingFile::State::Unreadable)
        Warn("couldn't read setting file, defaults are used.", path);
    {
        Binding binding(*this, document, false);
        Read();
    }
    loaded = true;
    modified = false;
}

bool Lexer::Save(bool force) {
    if (!force && !(loaded && modified))
        return true;
    ResolvePath(FileName(), path);
    char templatePath[MAX_PATH];
    ResolvePath(TemplateName(), templatePath);
    TiXmlDocument document;
    switch (SettingFile::Load(document, path)) {
    case SettingFile::State::Parsed:
        break;
    case SettingFile::State::Missing:
    case SettingFile::State::Blank:
        StartFromTemplate(document, templatePath);
        break;
    case SettingFile::State::Malformed: {
        const std::string aside = SettingFile::KeepAside(path);
        if (aside.empty()) {
            Warn("couldn't keep broken setting file aside, it was not overwritten.", path);
            return false;
        }
        Warn("setting file couldn't be read and was kept aside.", aside.c_str());
        StartFromTemplate(document, templatePath);
        break;
    }
    case SettingFile::State::Unreadable:
        Warn("couldn't save setting file.", path);
        return false;
    }
    {
        Binding binding(*this, document, true);
        Write();
    }
    const FileBytes::Outcome outcome = SettingFile::Store(document, path);
    if (!outcome.saved) {
        Warn("couldn't save setting file.", path);
        if (!outcome.kept.empty())
            TellKept(path, outcome.kept);
        return false;
    }
    modified = false;
    return true;
}

TiXmlElement *Lexer::FindOrCreate(TiXmlElement *parent, const char *key) {
    if (!parent || !key)
        return nullptr;
    TiXmlElement *current = parent;
    const char *p = key;
    while (*p) {
        const char *open = std::strchr(p, '[');
        const char *close = open ? std::strchr(open + 1, ']') : nullptr;
        if (!close || open == p)
            return nullptr;
        const std::string name(p, open);
        const std::string id(open + 1, close);
        TiXmlElement *child = current->FirstChildElement(name);
        while (child) {
            const char *childId = child->Attribute("id");
            if (childId && id == childId)
                break;
            child = child->NextSiblingElement(name);
        }
        if (!child) {
            child = new TiXmlElement(name);
            child->SetAttribute("id", id);
            current->LinkEndChild(child);
        }
        current = child;
        p = close + 1;
    }
    return current;
}

const char *Lexer::ReadText(TiXmlElement *parent, const char *key) {
    const TiXmlElement *element = FindOrCreate(parent, key);
    return element ? element->GetText() : nullptr;
}

bool Lexer::ParseInteger(const char *text, int &value) {
    if (!text)
        return false;
    errno = 0;
    char *end = nullptr;
    long long number = std::strtoll(text, &end, 10);
    if (errno == ERANGE || number > INT_MAX || number < INT_MIN)
        number = number < 0 ? INT_MIN : INT_MAX;
    if (number == 0 && std::strcmp(text, "0") != 0)
        return false;
    value = static_cast<int>(number);
    return true;
}

int Lexer::ReadInteger(TiXmlElement *parent, const char *key, int defaultValue) {
    int value;
    return ParseInteger(ReadText(parent, key), value) ? value : defaultValue;
}

COLORREF Lexer::ReadColor(TiXmlElement *parent, const char *key, COLORREF defaultValue) {
    int value;
    return ParseInteger(ReadText(parent, key), value) ? static_cast<COLORREF>(value) & 0xFFFFFF : defaultValue;
}

bool Lexer::ReadBoolean(TiXmlElement *parent, const char *key, bool defaultValue) {
    const char *text = ReadText(parent, key);
    if (!text)
        return defaultValue;
    if (std::strcmp(text, "yes") == 0 || std::strcmp(text, "YES") == 0)
        return true;
    if (std::strcmp(text, "no") == 0 || std::strcmp(text, "NO") == 0)
        return false;
    return defaultValue;
}

void Lexer::ReadString(TiXmlElement *parent, const char *key, char *target, size_t capacity) {
    if (capacity == 0)
        return;
    const char *text = ReadText(parent, key);
    if (text && std::strlen(text) < capacity)
        std::memcpy(target, text, std::strlen(text) + 1);
    else
        target[0] = '\0';
}

void Lexer::WriteInteger(TiXmlElement *parent, const char *key, int value) {
    WriteText(parent, key, std::to_string(value).c_str());
}

void Lexer::WriteColor(TiXmlElement *parent, const char *key, COLORREF value) {
    WriteInteger(parent, key, static_cast<int>(value & 0xFFFFFF));
}

void Lexer::WriteBoolean(TiXmlElement *parent, const char *key, bool value) {
    WriteText(parent, key, value ? "yes" : "no");
}

void Lexer::WriteString(TiXmlElement *parent, const char *key, const char *value) {
    if (!value)
        value = "";
    WriteText(parent, key, value, NeedsExactText(value));
}
