// The HSP lexer (lexer number 300). Text is Shift-JIS whatever the document's code page: a lead
// byte and a valid trail byte are one character, so a trail byte 0x5C never escapes and 0x40
// never splits a name. Each line starts from the state its predecessor left in the line state,
// which makes restyling from any line start give what styling from the top gives.
#include <cassert>  // for LexAccessor.h
#include <cstring>
#include <string>
#include <string_view>

#include "ILexer.h"

#include "LexAccessor.h"
#include "DefaultLexer.h"

#include "LexHspKeywords.h"
#include "LexHspText.h"
#include "OwnLexers.h"
#include "VessaryMessages.h"

namespace Vessary {
namespace {

using ShiftJisBytes::IsLead;
using ShiftJisBytes::IsTrail;

// What is open at a line's end and carries into the next line.
enum class Mode : unsigned { Code, BlockComment, MultiString, LineComment, String, Character };

// Where the next token stands in its statement; decides whether `*name` is a label definition,
// a label reference or a multiplication.
enum class Place : unsigned {
    StatementStart,  // `*name` defines a label
    AfterCommand,    // after the first word of a statement, or after goto/gosub
    Operand,         // after `,`, `(`, `=` and the other operators
    Value            // after a number, string, `)` or a name used as an operand: `*` multiplies
};

// The state a line inherits, kept as the line state. Every change of a line state costs the
// component a notification and a repaint request, which made the first styling of a large file
// several times slower than the lexing itself; so the common states are stored as 0, the value
// of a line never styled, and styling a new text changes almost no line state. Those are plain
// code from a statement start and the inside of a block comment or a {"..."} string, which the
// style of the previous line's end tells apart (InheritedState). Other states carry a marker
// that tells them from a value left by another lexer.
struct LineState {
    Mode mode = Mode::Code;
    bool directive = false;  // the line continues a directive line (a `\` before the line end)
    bool define = false;     // ... of a #define, whose body takes %1 parameters
    Place place = Place::StatementStart;

    static constexpr int marker = 0x48530000;
    static constexpr int markerMask = 0x7FFF0000;

    int Encode() const {
        const bool spanning = mode == Mode::BlockComment || mode == Mode::MultiString;
        const int bits = (spanning ? 0 : static_cast<int>(mode)) | (directive ? 8 : 0) | (define ? 16 : 0) |
                         (static_cast<int>(place) << 5);
        return bits == 0 ? 0 : marker | bits | (spanning ? static_cast<int>(mode) : 0);
    }
    static bool Decode(int value, LineState &state) {
        if (value != 0 && (value & markerMask) != marker)
            return false;
        state.mode = static_cast<Mode>(value & 7);
        state.directive = (value & 8) != 0;
        state.define = (value & 16) != 0;
        state.place = static_cast<Place>((value >> 5) & 3);
        return true;
    }
};

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(unsigned char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsLineEnd(unsigned char c) { return c == '\r' || c == '\n'; }
unsigned char Lower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }
// Single-byte name characters; every byte from 0x80 up belongs to names as well.
bool IsAsciiNameChar(unsigned char c) { return IsAsciiLetter(c) || IsDigit(c) || c == '_' || c == '@'; }
bool IsFullWidthSpace(unsigned char c, unsigned char next) { return c == 0x81 && next == 0x40; }
bool IsNameStart(unsigned char c, unsigned char next) {
    return c >= 0x80 ? !IsFullWidthSpace(c, next) : (IsAsciiLetter(c) || c == '_' || c == '@');
}

int ModeStyle(Mode mode) {
    switch (mode) {
    case Mode::BlockComment: return VSHSP_COMMENTBLOCK;
    case Mode::MultiString: return VSHSP_MULTISTRING;
    case Mode::LineComment: return VSHSP_COMMENTLINE;
    case Mode::String: return VSHSP_STRING;
    case Mode::Character: return VSHSP_CHARACTER;
    case Mode::Code: break;
    }
    return VSHSP_DEFAULT;
}

// The state line inherits, or false when its line state is another lexer's. A stored 0 is plain
// code, or the block comment or {"..."} string that the previous line's end is styled with.
bool InheritedState(Scintilla::IDocument *document, Sci_Position line, LineState &state) {
    const int value = document->GetLineState(line);
    if (!LineState::Decode(value, state))
        return false;
    if (value == 0 && line > 0) {
        const int endStyle = static_cast<unsigned char>(document->StyleAt(document->LineStart(line) - 1));
        if (endStyle == VSHSP_COMMENTBLOCK)
            state.mode = Mode::BlockComment;
        else if (endStyle == VSHSP_MULTISTRING)
            state.mode = Mode::MultiString;
    }
    return true;
}

// A name as scanned: lower-cased (single-byte letters only), with the length of its base, the
// part before a module suffix `@...`.
struct Name {
    char lower[HspKeywordTable::maxWordLength];
    std::size_t length = 0;
    std::size_t baseLength = 0;
    bool tooLong = false;

    std::string_view Base() const { return std::string_view(lower, baseLength); }
};

struct KeywordSets {
    HspKeywordTable names;
    HspKeywordTable reserved;
};

// One pass over lines: styles from a line start up to a limit and records the state each
// following line inherits.
class HspScanner {
public:
    HspScanner(HspText &text, HspStyleWriter &out, const KeywordSets &keywords, Scintilla::IDocument *document)
        : text_(text), out_(out), keywords_(keywords), document_(document) {}

    void Run(Sci_Position line, Sci_Position position, Sci_Position limit, LineState state) {
        limit_ = limit;
        while (position < limit_) {
            if (!ScanLine(position, state))
                break;
            ++line;
            // The component makes room for the states of every line of the text at the first
            // state stored, a fifth of the file size in short lines: a state already there (0
            // for each line never stored) is not stored again, so plain code never needs it.
            const int encoded = state.Encode();
            if (document_->GetLineState(line) != encoded)
                document_->SetLineState(line, encoded);
        }
    }

private:
    // Styles one line from its start; returns false when the limit or the end of the text comes
    // first, else moves position past the line end and turns state into the next line's.
    bool ScanLine(Sci_Position &position, LineState &state) {
        const Sci_Position lineStart = position;
        mode_ = state.mode;
        directive_ = state.directive;
        define_ = state.define;
        place_ = state.place;
        Sci_Position pos = position;
        bool mayBeDirective = mode_ == Mode::Code && !directive_;
        for (;;) {
            if (pos >= limit_) {
                position = pos;
                return false;
            }
            const unsigned char c = text_[pos];
            if (IsLineEnd(c))
                break;
            switch (mode_) {
            case Mode::BlockComment: pos = BlockComment(pos); continue;
            case Mode::MultiString: pos = MultiString(pos); continue;
            case Mode::LineComment: pos = LineComment(pos); continue;
            case Mode::String: pos = Quoted(pos, '"', VSHSP_STRING); continue;
            case Mode::Character: pos = Quoted(pos, '\'', VSHSP_CHARACTER); continue;
            case Mode::Code: break;
            }
            if (mayBeDirective) {
                if (c == ' ' || c == '\t' || IsFullWidthSpace(c, text_[pos + 1])) {
                    pos += c == 0x81 ? 2 : 1;
                    out_.To(pos, VSHSP_DEFAULT);
                    continue;
                }
                mayBeDirective = false;
                if (c == '#') {
                    pos = DirectiveWord(pos);
                    continue;
                }
            }
            pos = Code(pos, c);
        }
        const unsigned char c = text_[pos];
        const Sci_Position lineEnd = pos;
        pos += (c == '\r' && text_[pos + 1] == '\n') ? 2 : 1;
        out_.To(pos, ModeStyle(mode_));
        position = pos;
        const bool continued = directive_ && lineEnd > lineStart && text_[lineEnd - 1] == '\\' &&
                               IsCharacterStart(lineStart, lineEnd - 1);
        if (continued) {
            state = LineState{mode_, true, define_, place_};
        } else {
            const bool keepsMode = mode_ == Mode::BlockComment || mode_ == Mode::MultiString;
            state = LineState{keepsMode ? mode_ : Mode::Code, false, false, Place::StatementStart};
        }
        return true;
    }

    // Whether a character begins at position, counting whole characters from the line start.
    bool IsCharacterStart(Sci_Position lineStart, Sci_Position position) {
        Sci_Position pos = lineStart;
        while (pos < position)
            pos += text_.Width(pos);
        return pos == position;
    }

    Sci_Position DirectiveWord(Sci_Position pos) {
        Name word;
        pos = ScanName(pos + 1, word);
        out_.To(pos, VSHSP_PREPROCESSOR);
        directive_ = true;
        define_ = std::string_view(word.lower, word.length) == "define";
        place_ = Place::AfterCommand;
        return pos;
    }

    // One token of code starting with c at pos; returns the position after it.
    Sci_Position Code(Sci_Position pos, unsigned char c) {
        const unsigned char next = text_[pos + 1];
        if (IsNameStart(c, next))
            return NameToken(pos);
        if (IsDigit(c))
            return Number(pos);
        switch (c) {
        case ' ':
        case '\t':
            return Blanks(pos);
        case ';':
            mode_ = Mode::LineComment;
            return pos;
        case '/':
            if (next == '/') {
                mode_ = Mode::LineComment;
                return pos;
            }
            if (next == '*') {
                mode_ = Mode::BlockComment;
                out_.To(pos + 2, VSHSP_COMMENTBLOCK);
                return pos + 2;
            }
            break;
        case '"':
            mode_ = Mode::String;
            out_.To(pos + 1, VSHSP_STRING);
            return pos + 1;
        case '\'':
            mode_ = Mode::Character;
            out_.To(pos + 1, VSHSP_CHARACTER);
            return pos + 1;
        case '{':
            if (next == '"') {
                mode_ = Mode::MultiString;
                out_.To(pos + 2, VSHSP_MULTISTRING);
                return pos + 2;
            }
            return Operator(pos, Place::StatementStart);
        case '}':
        case ':':
            return Operator(pos, Place::StatementStart);
        case ')':
        case ']':
            return Operator(pos, Place::Value);
        case '$':
            if (IsHexDigit(next))
                return Digits(pos + 1, true);
            break;
        case '%':
            return Percent(pos, next);
        case '*':
            return Asterisk(pos, next);
        case '\\':
            // A continuation keeps the statement where it was.
            if (directive_ && IsLineEnd(next)) {
                out_.To(pos + 1, VSHSP_OPERATOR);
                return pos + 1;
            }
            break;
        default:
            if (c < 0x20)
                return Blanks(pos);
            if (IsFullWidthSpace(c, next)) {
                out_.To(pos + 2, VSHSP_DEFAULT);
                return pos + 2;
            }
            break;
        }
        return Operator(pos, Place::Operand);
    }

    Sci_Position Operator(Sci_Position pos, Place after) {
        out_.To(pos + 1, VSHSP_OPERATOR);
        place_ = after;
        return pos + 1;
    }

    // Spaces, tabs and control bytes other than line ends.
    Sci_Position Blanks(Sci_Position pos) {
        const Sci_Position length = text_.Length();
        do {
            ++pos;
        } while (pos < length && (text_[pos] == ' ' || text_[pos] == '\t' ||
                                  (text_[pos] < 0x20 && !IsLineEnd(text_[pos]))));
        out_.To(pos, VSHSP_DEFAULT);
        return pos;
    }

    // Name characters from pos, lower-cased into name; returns the position after them.
    Sci_Position ScanName(Sci_Position pos, Name &name) {
        name.length = 0;
        name.tooLong = false;
        bool suffix = false;
        const Sci_Position length = text_.Length();
        while (pos < length) {
            const unsigned char c = text_[pos];
            int width = 1;
            if (c < 0x80) {
                if (!IsAsciiNameChar(c))
                    break;
                if (c == '@' && !suffix) {
                    suffix = true;
                    name.baseLength = name.length;
                }
            } else {
                const unsigned char trail = text_[pos + 1];
                if (IsFullWidthSpace(c, trail))
                    break;
                width = IsLead(c) && IsTrail(trail) ? 2 : 1;
            }
            if (name.tooLong || name.length + width > sizeof(name.lower)) {
                name.tooLong = true;
            } else {
                name.lower[name.length++] = static_cast<char>(Lower(c));
                if (width == 2)
                    name.lower[name.length++] = static_cast<char>(text_[pos + 1]);
            }
            pos += width;
        }
        if (!suffix)
            name.baseLength = name.length;
        return pos;
    }

    Sci_Position NameToken(Sci_Position pos) {
        Name name;
        pos = ScanName(pos, name);
        int style = VSHSP_IDENTIFIER;
        if (!name.tooLong && name.baseLength > 0) {
            unsigned char found = 0;
            if (directive_)
                found = keywords_.reserved.Find(name.lower, name.baseLength);
            if (!found)
                found = keywords_.names.Find(name.lower, name.baseLength);
            if (found)
                style = found;
        }
        out_.To(pos, style);
        if (place_ == Place::StatementStart || name.Base() == "goto" || name.Base() == "gosub")
            place_ = Place::AfterCommand;
        else
            place_ = Place::Value;
        return pos;
    }

    // Decimal integers and reals (1, 1.5, 1e-6, 1.0e+10f), 0x1F and 0b0101.
    Sci_Position Number(Sci_Position pos) {
        const unsigned char prefix = Lower(text_[pos + 1]);
        if (text_[pos] == '0' && prefix == 'x' && IsHexDigit(text_[pos + 2]))
            return Digits(pos + 2, true);
        if (text_[pos] == '0' && prefix == 'b' && (text_[pos + 2] == '0' || text_[pos + 2] == '1'))
            return Digits(pos + 2, false);
        while (IsDigit(text_[pos]))
            ++pos;
        if (text_[pos] == '.' && IsDigit(text_[pos + 1])) {
            pos += 2;
            while (IsDigit(text_[pos]))
                ++pos;
        }
        if (Lower(text_[pos]) == 'e') {
            const unsigned char sign = text_[pos + 1];
            const Sci_Position digits = pos + ((sign == '+' || sign == '-') ? 2 : 1);
            if (IsDigit(text_[digits])) {
                pos = digits;
                while (IsDigit(text_[pos]))
                    ++pos;
            }
        }
        const unsigned char suffix = Lower(text_[pos]);
        if (suffix == 'f' || suffix == 'd')
            ++pos;
        return NumberEnd(pos);
    }

    // Hexadecimal or binary digits from pos, `_` among them as a separator.
    Sci_Position Digits(Sci_Position pos, bool hex) {
        for (;; ++pos) {
            const unsigned char c = text_[pos];
            if (!(c == '_' || (hex ? IsHexDigit(c) : (c == '0' || c == '1'))))
                break;
        }
        return NumberEnd(pos);
    }

    Sci_Position NumberEnd(Sci_Position pos) {
        out_.To(pos, VSHSP_NUMBER);
        place_ = Place::Value;
        return pos;
    }

    // In a #define, `%` with a digit or one of t i o p s n c is a macro parameter and `%%` a
    // literal percent; elsewhere `%` opens a binary number.
    Sci_Position Percent(Sci_Position pos, unsigned char next) {
        if (define_) {
            if (IsDigit(next) || (next != 0 && std::strchr("tiopsncTIOPSNC", next))) {
                // A number names a parameter; a letter starts a control word such as %tname.
                if (IsDigit(next)) {
                    for (++pos; IsDigit(text_[pos]);)
                        ++pos;
                } else {
                    Name ignored;
                    pos = ScanName(pos + 1, ignored);
                }
                out_.To(pos, VSHSP_IDENTIFIER);
                place_ = Place::Value;
                return pos;
            }
            if (next == '%') {
                out_.To(pos + 2, VSHSP_OPERATOR);
                place_ = Place::Operand;
                return pos + 2;
            }
        }
        if (next == '0' || next == '1')
            return Digits(pos + 1, false);
        return Operator(pos, Place::Operand);
    }

    Sci_Position Asterisk(Sci_Position pos, unsigned char next) {
        if (place_ == Place::Value || !IsNameStart(next, text_[pos + 2]))
            return Operator(pos, Place::Operand);
        Name label;
        const Sci_Position end = ScanName(pos + 1, label);
        out_.To(end, place_ == Place::StatementStart ? VSHSP_LABEL : VSHSP_LABELREF);
        place_ = Place::Value;
        return end;
    }

    Sci_Position LineComment(Sci_Position pos) {
        const Sci_Position length = text_.Length();
        while (pos < length && !IsLineEnd(text_[pos]))
            ++pos;
        out_.To(pos, VSHSP_COMMENTLINE);
        return pos;
    }

    // Up to and including `*/`, or to the line end. No trail byte is `*`, `/` or a line end, so
    // bytes can be compared one by one.
    Sci_Position BlockComment(Sci_Position pos) {
        const Sci_Position length = text_.Length();
        for (; pos < length; ++pos) {
            const unsigned char c = text_[pos];
            if (IsLineEnd(c))
                break;
            if (c == '*' && text_[pos + 1] == '/') {
                pos += 2;
                mode_ = Mode::Code;
                break;
            }
        }
        out_.To(pos, VSHSP_COMMENTBLOCK);
        return pos;
    }

    // The rest of a "..." string or '...' constant: up to its closing quote or the line end.
    // A backslash takes the next character with it, but never the line end.
    Sci_Position Quoted(Sci_Position pos, unsigned char quote, int style) {
        const Sci_Position length = text_.Length();
        while (pos < length) {
            const unsigned char c = text_[pos];
            if (IsLineEnd(c))
                break;
            if (c == quote) {
                ++pos;
                mode_ = Mode::Code;
                place_ = Place::Value;
                break;
            }
            if (c == '\\') {
                ++pos;
                if (pos >= length || IsLineEnd(text_[pos]))
                    break;
            }
            pos += text_.Width(pos);
        }
        out_.To(pos, style);
        return pos;
    }

    // The rest of a {"..."} string on this line: up to `"}` or the line end.
    Sci_Position MultiString(Sci_Position pos) {
        const Sci_Position length = text_.Length();
        while (pos < length) {
            const unsigned char c = text_[pos];
            if (IsLineEnd(c))
                break;
            if (c == '"' && text_[pos + 1] == '}') {
                pos += 2;
                mode_ = Mode::Code;
                place_ = Place::Value;
                break;
            }
            if (c == '\\') {
                ++pos;
                if (pos >= length || text_[pos] < 0x20)
                    continue;
            }
            pos += text_.Width(pos);
        }
        out_.To(pos, VSHSP_MULTISTRING);
        return pos;
    }

    HspText &text_;
    HspStyleWriter &out_;
    const KeywordSets &keywords_;
    Scintilla::IDocument *document_;
    Sci_Position limit_ = 0;
    Mode mode_ = Mode::Code;
    bool directive_ = false;
    bool define_ = false;
    Place place_ = Place::StatementStart;
};

constexpr int keywordSetCount = 9;

// Which style each keyword set gives a name, in the order sets are tried. Set 3 (directives)
// holds its words with their `#`; the directive word is styled by where it stands instead.
// Set 5 is only tried on directive lines.
struct SetStyle {
    int set;
    unsigned char style;
};
constexpr SetStyle nameSets[] = {{0, VSHSP_FUNCTION}, {1, VSHSP_COMMAND}, {2, VSHSP_MACRO},
                                 {4, VSHSP_SYSVAR}, {6, VSHSP_WIN32API}, {7, VSHSP_PLUGIN},
                                 {8, VSHSP_USER}};
constexpr int reservedSet = 5;

// Calls add with each blank-separated word of list, lower-cased; double-byte characters are
// copied untouched.
template <typename Add> void ForEachWord(const std::string &list, Add add) {
    std::string word;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        const unsigned char c = i < list.size() ? static_cast<unsigned char>(list[i]) : ' ';
        if (c <= ' ') {
            if (!word.empty())
                add(word);
            word.clear();
            continue;
        }
        word += static_cast<char>(Lower(c));
        if (IsLead(c) && i + 1 < list.size() && IsTrail(static_cast<unsigned char>(list[i + 1])))
            word += list[++i];
    }
}

const Lexilla::LexicalClass lexicalClasses[] = {
    {VSHSP_DEFAULT, "SCE_HSP_DEFAULT", "default", "White space"},
    {1, "SCE_HSP_UNUSED", "", "Not used"},
    {VSHSP_COMMENTBLOCK, "SCE_HSP_COMMENTBLOCK", "comment", "Block comment /* */"},
    {VSHSP_COMMENTLINE, "SCE_HSP_COMMENTLINE", "comment line", "Line comment ; or //"},
    {VSHSP_NUMBER, "SCE_HSP_NUMBER", "literal numeric", "Number"},
    {VSHSP_FUNCTION, "SCE_HSP_FUNCTION", "identifier", "Function (keyword set 0)"},
    {VSHSP_STRING, "SCE_HSP_STRING", "literal string", "String"},
    {VSHSP_MULTISTRING, "SCE_HSP_MULTISTRING", "literal string multiline", "Multi-line string {\" \"}"},
    {VSHSP_CHARACTER, "SCE_HSP_CHARACTER", "literal string character", "Character constant"},
    {VSHSP_LABEL, "SCE_HSP_LABEL", "identifier label", "Label definition"},
    {VSHSP_LABELREF, "SCE_HSP_LABELREF", "identifier label reference", "Label reference"},
    {VSHSP_OPERATOR, "SCE_HSP_OPERATOR", "operator", "Operator"},
    {VSHSP_IDENTIFIER, "SCE_HSP_IDENTIFIER", "identifier", "Name"},
    {VSHSP_COMMAND, "SCE_HSP_COMMAND", "keyword", "Command (keyword set 1)"},
    {VSHSP_MACRO, "SCE_HSP_MACRO", "keyword", "Macro (keyword set 2)"},
    {VSHSP_PREPROCESSOR, "SCE_HSP_PREPROCESSOR", "preprocessor", "Directive"},
    {VSHSP_SYSVAR, "SCE_HSP_SYSVAR", "keyword", "System variable (keyword set 4)"},
    {VSHSP_PRERESERVED, "SCE_HSP_PRERESERVED", "keyword", "Reserved word of directives (keyword set 5)"},
    {VSHSP_WIN32API, "SCE_HSP_WIN32API", "identifier", "Win32 API name (keyword set 6)"},
    {VSHSP_PLUGIN, "SCE_HSP_PLUGIN", "identifier", "Plug-in command (keyword set 7)"},
    {VSHSP_USER, "SCE_HSP_USER", "identifier", "User keyword (keyword set 8)"},
};

class HspLexer : public Lexilla::DefaultLexer {
public:
    HspLexer() : DefaultLexer("hsp", VSLEX_HSP, lexicalClasses, sizeof(lexicalClasses) / sizeof(lexicalClasses[0])) {
        Rebuild();
    }

    const char *SCI_METHOD PropertyGet(const char *) override { return ""; }

    const char *SCI_METHOD DescribeWordListSets() override {
        return "Functions\nCommands\nMacros\nDirectives\nSystem variables\nReserved words of directives\n"
               "Win32 API names\nPlug-in commands\nUser keywords";
    }

    Sci_Position SCI_METHOD WordListSet(int n, const char *list) override {
        if (n < 0 || n >= keywordSetCount)
            return -1;
        const std::string words = list ? list : "";
        if (words == lists_[n])
            return -1;
        lists_[n] = words;
        // Configuring a view sends all nine sets in a row: the tables are built once, when styled.
        stale_ = true;
        return 0;
    }

    void SCI_METHOD Lex(Sci_PositionU startPos, Sci_Position length, int, Scintilla::IDocument *document) override {
        const Sci_Position limit = std::min<Sci_Position>(static_cast<Sci_Position>(startPos) + length, document->Length());
        Sci_Position line = document->LineFromPosition(static_cast<Sci_Position>(startPos));
        LineState state;
        // A line holding another lexer's state starts from the nearest line that holds one of ours.
        while (line > 0 && !InheritedState(document, line, state))
            --line;
        if (line == 0)
            state = LineState{};
        const Sci_Position start = document->LineStart(line);
        if (stale_)
            Rebuild();
        text_.Reset(document);
        out_.Start(document, start, limit);
        HspScanner(text_, out_, keywords_, document).Run(line, start, limit, state);
        out_.Flush();
    }

private:
    void Rebuild() {
        stale_ = false;
        keywords_.names.Clear();
        keywords_.reserved.Clear();
        for (const SetStyle &entry : nameSets)
            ForEachWord(lists_[entry.set], [&](const std::string &word) { keywords_.names.Add(word, entry.style); });
        ForEachWord(lists_[reservedSet], [&](const std::string &word) { keywords_.reserved.Add(word, VSHSP_PRERESERVED); });
    }

    std::string lists_[keywordSetCount];
    KeywordSets keywords_;
    bool stale_ = false;
    HspText text_;
    HspStyleWriter out_;
};

}

Scintilla::ILexer5 *CreateHspLexer() { return new HspLexer; }

}
