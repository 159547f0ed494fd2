// A setting section: one XML file beside the program read into plain fields once, on first use,
// and written back when changed. Values sit under body/style or body/event at the path a key
// such as "type[tamborel]property[log_level]" names.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/Object.h"

class TiXmlElement;
class Logger;

class Lexer : public Object {
public:
    ~Lexer() override = default;

    bool loaded = false;
    bool modified = false;
    char path[260] = "";
    // Valid only while Read or Write runs.
    TiXmlElement *styleElement = nullptr;
    TiXmlElement *eventElement = nullptr;

    // Fills every field from the document being read; defaults where the file has nothing usable.
    virtual void Read() = 0;
    // Stores every field into the document being written.
    virtual void Write() = 0;
    // Relative to the program directory ("\lexer\hsp.xml"), or absolute (a project file).
    virtual const char *FileName() const = 0;
    virtual const char *TemplateName() const = 0;

    // Reads the file unless already loaded (force reads it again). A missing file is first copied
    // from the template; an unreadable one leaves every field at its default.
    void Load(bool force = false);
    // Writes the file when forced, or when loaded and modified: the file is read again, so what
    // the program does not know stays in it. A file that cannot be parsed is kept aside first.
    // False when the file could not be written (the section then stays modified).
    bool Save(bool force = false);
    // The setter convention: load, then the caller changes a field, then this.
    void SetModified() { modified = true; }

    // The element a key addresses under parent, created with its path when missing; null parent
    // gives null.
    static TiXmlElement *FindOrCreate(TiXmlElement *parent, const char *key);

    // The text of the element a key addresses, or null when it has none.
    static const char *ReadText(TiXmlElement *parent, const char *key);
    // An integer as atoi reads it (saturated); a 0 counts only when the text is exactly "0".
    static bool ParseInteger(const char *text, int &value);
    static int ReadInteger(TiXmlElement *parent, const char *key, int defaultValue);
    static COLORREF ReadColor(TiXmlElement *parent, const char *key, COLORREF defaultValue);
    static bool ReadBoolean(TiXmlElement *parent, const char *key, bool defaultValue);
    // Copies the text when it fits capacity (with its terminating zero), else stores "".
    static void ReadString(TiXmlElement *parent, const char *key, char *target, size_t capacity);
    static void WriteInteger(TiXmlElement *parent, const char *key, int value);
    static void WriteColor(TiXmlElement *parent, const char *key, COLORREF value);
    static void WriteBoolean(TiXmlElement *parent, const char *key, bool value);
    static void WriteString(TiXmlElement *parent, const char *key, const char *value);

    // Where warnings about broken or unwritable files go; null (the default) drops them.
    static void SetLogger(Logger *logger);

protected:
    // The file of FileName (or TemplateName): absolute names as they stand, others inside the
    // program directory.
    static void ResolvePath(const char *name, char *result);
};
