// What the navigation reads out of an HSP source: its include directives, the names its
// directives define, its labels, the rows of the jump dialog's lists. Plain functions over the
// bytes and the HSP colouring's style of each byte; they never tokenise HSP themselves.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "language/KeywordFiles.h"

// A text and the style the HSP lexer gave each of its bytes.
class StyledText {
public:
    virtual std::string_view Bytes() const = 0;
    virtual int StyleAt(size_t position) const = 0;

protected:
    ~StyledText() = default;
};

namespace SourceScan {

// "#include" or "#addition" with the file name of its string.
struct Include {
    size_t directive;  // the "#"
    size_t resume;     // the start of the line after it
    std::string name;
};

// The name a directive of one of the letters c, d, e, f, m, u introduces.
struct Definition {
    size_t directive;       // the "#"
    std::string keyword;    // the directive, "#" included, in lower case
    std::string name;       // as written
    std::string lowerName;  // ASCII letters in lower case
    size_t lastCharacter;   // where the name's last character starts
    // For "#deffunc" and "#defcfunc": the name and its parameters as written, each parameter
    // marked; empty otherwise.
    CodeTip tip;
};

// A label definition: the asterisk and the name.
struct Label {
    size_t asterisk;
    std::string text;  // "*name" as written, at most 1024 bytes
};

struct FileScan {
    size_t length = 0;
    std::vector<Include> includes;
    std::vector<Definition> definitions;
    std::vector<Label> labels;
};

FileScan Scan(const StyledText &text);

std::vector<Include> FindIncludes(const StyledText &text);
std::vector<Definition> FindDefinitions(const StyledText &text);
std::vector<Label> FindLabels(const StyledText &text);

// A row of the definition list: a directive that opens its line, of a checked kind.
struct DirectiveRow {
    size_t directive;
    std::string keyword;  // as written, "#" included
    std::string scope;    // "global ", "local ", "ctype ", in this order, as they occur
    std::string name;
};

// kinds: the directive words without "#" to list ("deffunc", "define" ...).
std::vector<DirectiveRow> FindDirectiveRows(const StyledText &text, const std::vector<std::string> &kinds);

// Every place where keyword starts, ASCII letters matched in either case, at character starts.
std::vector<size_t> FindKeyword(std::string_view text, std::string_view keyword);

// The text from position to the end of its line, at most limit bytes, never half a character.
std::string RestOfLine(std::string_view text, size_t position, size_t limit = 1024);

// Line numbers (from 0) of ascending positions, counted as the edit control counts lines:
// "\r\n", "\n" and a lone "\r" each end one.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    size_t LineOf(size_t position);

private:
    std::string_view text_;
    size_t scanned_ = 0;
    size_t line_ = 0;
};

// A name as the tracer compares names: ASCII letters in lower case.
std::string Lower(std::string_view name);

}
