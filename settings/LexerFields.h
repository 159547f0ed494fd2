// A section lists its keys once, as calls on a visitor, and runs the list with a FieldReader to
// read and with a FieldWriter to write: both then see the keys in the same order.
#pragma once

#include <cstddef>

#include "settings/Lexer.h"

class FieldReader {
public:
    explicit FieldReader(TiXmlElement *parent) : parent_(parent) {}
    void Integer(const char *key, int &field, int defaultValue) { field = Lexer::ReadInteger(parent_, key, defaultValue); }
    void Color(const char *key, COLORREF &field, COLORREF defaultValue) {
        field = Lexer::ReadColor(parent_, key, defaultValue);
    }
    void Boolean(const char *key, bool &field, bool defaultValue) {
        field = Lexer::ReadBoolean(parent_, key, defaultValue);
    }
    template <size_t N> void String(const char *key, char (&field)[N]) { Lexer::ReadString(parent_, key, field, N); }

private:
    TiXmlElement *parent_;
};

class FieldWriter {
public:
    explicit FieldWriter(TiXmlElement *parent) : parent_(parent) {}
    void Integer(const char *key, const int &field, int) { Lexer::WriteInteger(parent_, key, field); }
    void Color(const char *key, const COLORREF &field, COLORREF) { Lexer::WriteColor(parent_, key, field); }
    void Boolean(const char *key, const bool &field, bool) { Lexer::WriteBoolean(parent_, key, field); }
    template <size_t N> void String(const char *key, const char (&field)[N]) { Lexer::WriteString(parent_, key, field); }

private:
    TiXmlElement *parent_;
};
