// A language's setting section: one colour per syntax element, each under
// style/type[<element>]property[font_color] of its file. The subclasses give the file and the
// table of elements; their enums index colors.
#pragma once

#include <vector>

#include "settings/Lexer.h"

struct ColorKey {
    const char *element;   // "comment_line": the key is type[comment_line]property[font_color]
    COLORREF defaultColor; // an entry of the colour table
};

class LexerLanguage : public Lexer {
public:
    LexerLanguage(const char *fileName, const ColorKey *keys, int count);

    void Read() override;
    void Write() override;
    const char *FileName() const override { return fileName_; }
    const char *TemplateName() const override { return "\\template\\lexer.xml"; }

    const ColorKey *Keys() const { return keys_; }
    int KeyCount() const { return count_; }

    // In the table's order.
    std::vector<COLORREF> colors;

private:
    const char *fileName_;
    const ColorKey *keys_;
    int count_;
};

class LexerCpp : public LexerLanguage {
public:
    enum { CommentLine, CommentBlock, Number, Keyword, String, Character, Preprocessor, Operator };
    LexerCpp();
};

class LexerCsv : public LexerLanguage {
public:
    enum { Odd, Even, Separator };
    LexerCsv();
};

class LexerIni : public LexerLanguage {
public:
    enum { Section, Key, Value, Separator, Comment };
    LexerIni();
};

class LexerHtml : public LexerLanguage {
public:
    enum { Default, Tag, Attribute, Number, DoubleString, SingleString, Operator, Comment, Entity, Unknown };
    LexerHtml();
};

class LexerSql : public LexerLanguage {
public:
    enum { Comment, Number, Keyword, Character, String, Operator };
    LexerSql();
};

class LexerTsv : public LexerLanguage {
public:
    enum { Odd, Even };
    LexerTsv();
};

class LexerVb6 : public LexerLanguage {
public:
    enum { Comment, Number, Keyword, String, Operator, Preprocessor };
    LexerVb6();
};

class LexerXml : public LexerLanguage {
public:
    enum { Default, Tag, Attribute, String, Operator, Comment, Entity };
    LexerXml();
};
