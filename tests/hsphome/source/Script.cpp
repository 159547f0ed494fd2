#include "Script.h"

#include <set>

#include "Bytes.h"

namespace {

const char *const directives[] = {
    "include", "addition", "runtime", "packopt", "define", "undef", "if", "ifdef", "ifndef", "else", "endif",
    "const", "enum", "deffunc", "defcfunc", "modfunc", "modcfunc", "modinit", "modterm", "module", "global",
    "func", "cfunc", "uselib", "usecom", "comfunc", "cmd", "regcmd", "pack", "epack", "packdir", "epackdir",
    "cmpopt", "bootopt", "struct", "var", "varint", "varstr", "vardouble", "varlabel", "varint64", "varmod",
    "use", "aht", "ahtmes",
};
// Commands whose operand may be a label: "*" after them starts a label, not a product.
const char *const labelCommands[] = {"goto", "gosub", "button", "onexit", "onerror", "onkey", "onclick", "oncmd"};
const int maximumDepth = 32;

enum Error { FileMissing = 1, UnclosedString = 2, UnknownDirective = 3, UndefinedLabel = 4, IncludeLoop = 5 };

const char *ErrorText(Error error) {
    switch (error) {
    case FileMissing: return "スクリプトファイルが見つかりません";
    case UnclosedString: return "文字列が閉じられていません";
    case UnknownDirective: return "無効なプリプロセッサ命令です";
    case UndefinedLabel: return "ラベルが定義されていません";
    default: return "#include が循環しています";
    }
}

template <size_t N> bool InList(const char *const (&list)[N], const std::string &word) {
    for (const char *entry : list)
        if (word == entry)
            return true;
    return false;
}

bool IsNameByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '@' ||
           (c >= 0xA1 && c <= 0xDF) || Bytes::IsLeadByte(c);
}

// A name starting at i (double-byte characters kept whole); i moves past it.
std::string ReadName(const std::string &line, size_t &i) {
    const size_t start = i;
    while (i < line.size() && IsNameByte(static_cast<unsigned char>(line[i])))
        i += Bytes::IsLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
    return line.substr(start, i - start);
}

// The closing quote of a string or character constant opened at i, or npos.
size_t ClosingQuote(const std::string &line, size_t i) {
    const char quote = line[i];
    for (++i; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c == '\\' || Bytes::IsLeadByte(c))
            ++i;
        else if (c == static_cast<unsigned char>(quote))
            return i;
    }
    return std::string::npos;
}

size_t SkipBlanks(const std::string &line, size_t i) {
    for (;;) {
        if (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        else if (i + 1 < line.size() && line[i] == '\x81' && line[i + 1] == '\x40')
            i += 2;
        else
            return i;
    }
}

struct LabelUse {
    std::string name;
    std::string file;
    int line;
    std::string text;
};

class Compiler {
public:
    explicit Compiler(std::string common) : common_(std::move(common)) {}

    bool ReadFile(const std::string &path, const std::string &shown, int depth);
    CompiledScript Finish();
    void Note(const std::string &text) { result_.messages += text + "\r\n"; }
    void Fail(const std::string &text) {
        Note(text);
        ++errors_;
    }

private:
    enum class Previous { StatementStart, Word, Separator, Value };
    struct Place {
        const std::string &file;
        int number;
        const std::string &line;
    };

    void ScanLine(const Place &place, int depth);
    void Directive(const Place &place, size_t at, int depth);
    void ScanCode(const Place &place, size_t i, bool statementStart);
    bool ScanOpenComment(const std::string &line, size_t &i);
    bool ScanOpenString(const std::string &line, size_t &i);
    void Include(const Place &place, const std::string &name, bool required, int depth);
    void Report(Error error, const Place &place, const std::string &detail = "");
    std::string Resolve(const std::string &name) const;

    std::string common_;
    CompiledScript result_;
    int errors_ = 0;
    bool inComment_ = false;
    bool inString_ = false;
    std::vector<std::string> stack_;
    std::set<std::string> labels_;
    std::vector<LabelUse> uses_;
};

void Compiler::Report(Error error, const Place &place, const std::string &detail) {
    const std::string number = std::to_string(place.number);
    std::string text = place.file + "(" + number + ") : error " + std::to_string(error) + " : " + ErrorText(error);
    if (!detail.empty())
        text += " [" + detail + "]";
    Fail(text + " (" + number + "行目)\r\n--> " + place.line);
}

bool Compiler::ReadFile(const std::string &path, const std::string &shown, int depth) {
    std::string bytes;
    if (!Bytes::ReadFile(path, bytes))
        return false;
    stack_.push_back(Bytes::Lower(path));
    const std::vector<std::string> lines = Bytes::Lines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        result_.code.push_back(lines[i]);
        ScanLine(Place{shown, static_cast<int>(i + 1), lines[i]}, depth);
    }
    stack_.pop_back();
    inComment_ = inString_ = false;
    return true;
}

void Compiler::ScanLine(const Place &place, int depth) {
    const size_t first = SkipBlanks(place.line, 0);
    if (!inComment_ && !inString_ && first < place.line.size() && place.line[first] == '#')
        Directive(place, first + 1, depth);
    else
        ScanCode(place, 0, true);
}

void Compiler::Directive(const Place &place, size_t at, int depth) {
    size_t i = at;
    const std::string word = Bytes::Lower(ReadName(place.line, i));
    if (!InList(directives, word)) {
        Report(UnknownDirective, place, "#" + word);
        return;
    }
    size_t argument = SkipBlanks(place.line, i);
    if (word == "packopt") {
        size_t after = argument;
        if (Bytes::Lower(ReadName(place.line, after)) != "name")
            return ScanCode(place, i, false);
        argument = SkipBlanks(place.line, after);
    }
    if ((word == "include" || word == "addition" || word == "runtime" || word == "packopt") &&
        argument < place.line.size() && place.line[argument] == '"') {
        const size_t close = ClosingQuote(place.line, argument);
        if (close != std::string::npos) {
            const std::string value = place.line.substr(argument + 1, close - argument - 1);
            if (word == "runtime")
                result_.runtime = value;
            else if (word == "packopt")
                result_.packName = value;
            else
                Include(place, value, word == "include", depth);
        }
    }
    ScanCode(place, i, false);
}

std::string Compiler::Resolve(const std::string &name) const {
    if (Bytes::Exists(name))
        return name;
    if (Bytes::DirectoryPart(name).empty() && Bytes::Exists(common_ + name))
        return common_ + name;
    return "";
}

void Compiler::Include(const Place &place, const std::string &name, bool required, int depth) {
    const std::string path = Resolve(name);
    if (path.empty()) {
        if (required)
            Report(FileMissing, place, name);
        return;
    }
    for (const std::string &open : stack_) {
        if (open == Bytes::Lower(path) || depth >= maximumDepth) {
            Report(IncludeLoop, place, name);
            return;
        }
    }
    const bool comment = inComment_;
    const bool string = inString_;
    inComment_ = inString_ = false;
    ReadFile(path, name, depth + 1);
    inComment_ = comment;
    inString_ = string;
}

// Inside a block comment: moves i past its end, or to the end of the line.
bool Compiler::ScanOpenComment(const std::string &line, size_t &i) {
    const size_t end = line.find("*/", i);
    inComment_ = end == std::string::npos;
    i = inComment_ ? line.size() : end + 2;
    return true;
}

// Inside a {"..."} string: moves i past its end, or to the end of the line.
bool Compiler::ScanOpenString(const std::string &line, size_t &i) {
    for (; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c == '\\' || Bytes::IsLeadByte(c)) {
            ++i;
        } else if (c == '"' && i + 1 < line.size() && line[i + 1] == '}') {
            inString_ = false;
            i += 2;
            return true;
        }
    }
    return true;
}

void Compiler::ScanCode(const Place &place, size_t i, bool statementStart) {
    const std::string &line = place.line;
    Previous previous = statementStart ? Previous::StatementStart : Previous::Separator;
    std::string word;
    while (i < line.size()) {
        if (inComment_ && ScanOpenComment(line, i))
            continue;
        if (inString_ && ScanOpenString(line, i))
            continue;
        const size_t next = SkipBlanks(line, i);
        if (next != i) {
            i = next;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const char following = i + 1 < line.size() ? line[i + 1] : '\0';
        if (c == ';' || (c == '/' && following == '/'))
            return;
        if (c == '/' && following == '*') {
            inComment_ = true;
            i += 2;
        } else if (c == '{' && following == '"') {
            inString_ = true;
            i += 2;
            previous = Previous::Value;
        } else if (c == '"' || c == '\'') {
            const size_t close = ClosingQuote(line, i);
            if (close == std::string::npos)
                return Report(UnclosedString, place);
            i = close + 1;
            previous = Previous::Value;
        } else if (c == ':' || c == '{' || c == '}') {
            ++i;
            previous = Previous::StatementStart;
        } else if (c == '*' && IsNameByte(static_cast<unsigned char>(following)) && (following < '0' || following > '9')) {
            const bool definition = previous == Previous::StatementStart;
            const bool reference = previous == Previous::Separator || (previous == Previous::Word && InList(labelCommands, word));
            if (!definition && !reference) {
                ++i;
                previous = Previous::Separator;
                continue;
            }
            ++i;
            const std::string name = Bytes::Lower(ReadName(line, i));
            if (definition)
                labels_.insert(name);
            else if (name[0] != '@')
                uses_.push_back({name, place.file, place.number, line});
            previous = Previous::Value;
        } else if (IsNameByte(c) && (c < '0' || c > '9')) {
            word = Bytes::Lower(ReadName(line, i));
            previous = Previous::Word;
        } else if (IsNameByte(c)) {
            ReadName(line, i);
            previous = Previous::Value;
        } else if (c == ')' || c == ']') {
            ++i;
            previous = Previous::Value;
        } else {
            ++i;
            previous = Previous::Separator;
        }
    }
}

CompiledScript Compiler::Finish() {
    for (const LabelUse &use : uses_) {
        if (labels_.count(use.name))
            continue;
        Report(UndefinedLabel, Place{use.file, use.line, use.text}, "*" + use.name);
    }
    result_.ok = errors_ == 0;
    result_.messages += result_.ok ? "#No error detected. (" + std::to_string(result_.code.size()) + " lines)\r\n"
                                   : "#Error(s) found: " + std::to_string(errors_) + "\r\n";
    return result_;
}

}

CompiledScript CompileScript(const std::string &source, const std::string &shownName, const std::string &common) {
    Compiler compiler(common);
    compiler.Note("#HSP script preprocessor ver3.6 (test installation)");
    const std::string shown = shownName.empty() ? Bytes::FilePart(source) : shownName;
    if (!compiler.ReadFile(source, shown, 0))
        compiler.Fail("#Error: スクリプトファイルが見つかりません [" + shown + "]");
    return compiler.Finish();
}
