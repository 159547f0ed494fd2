// The navigation's scanners over any bytes coloured by the HSP lexer as the tracer's hidden view
// colours them. Every place they report must lie inside the text, every text they copy must be
// a whole-character piece of one line, and a call tip's marked parameters must lie in its text.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "LexerHarness.h"
#include "OwnLexers.h"
#include "framework/ShiftJis.h"
#include "language/FixedKeywords.h"
#include "navigation/SourceScan.h"

namespace {

class Styled : public StyledText {
public:
    Styled(const std::string &text, const std::string &styles) : text_(text), styles_(styles) {}
    std::string_view Bytes() const override { return text_; }
    int StyleAt(size_t position) const override {
        if (position >= styles_.size())
            std::abort();
        return static_cast<unsigned char>(styles_[position]);
    }

private:
    const std::string &text_;
    const std::string &styles_;
};

void Check(bool holds) {
    if (!holds)
        std::abort();
}

// A piece of one line, never ending inside a double-byte character.
void CheckPiece(const std::string &piece, size_t limit) {
    Check(piece.size() <= limit && piece.find_first_of("\r\n") == std::string::npos);
    Check(ShiftJis::WholeLength(piece.data(), piece.size()) == piece.size());
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    const size_t keywordLength = data[0] % 8;
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);
    std::unique_ptr<Scintilla::ILexer5, LexerReleaser> lexer(Vessary::CreateHspLexer());
    lexer->WordListSet(3, FixedKeywords::hspDirectives);
    lexer->WordListSet(5, FixedKeywords::hspReservedWords);
    MemoryDocument document(text);
    lexer->Lex(0, document.Length(), 0, &document);
    const std::string styles = document.Styles();
    const Styled styled(text, styles);

    const SourceScan::FileScan scan = SourceScan::Scan(styled);
    for (const auto &include : scan.includes)
        Check(include.directive < include.resume && include.resume <= text.size() && !include.name.empty() &&
              include.name.find_first_of("\r\n") == std::string::npos);
    for (const auto &definition : scan.definitions) {
        Check(definition.directive < definition.lastCharacter && definition.lastCharacter < text.size());
        Check(!definition.name.empty() && definition.lowerName.size() == definition.name.size());
        for (const auto &range : definition.tip.ranges)
            Check(range.first >= 0 && range.first <= range.second && static_cast<size_t>(range.second) <= definition.tip.text.size());
    }
    for (const auto &label : scan.labels) {
        Check(label.asterisk < text.size() && label.text[0] == '*');
        CheckPiece(label.text, 1024);
    }
    const std::vector<std::string> kinds = {"cfunc", "cmd", "comfunc", "const", "defcfunc", "deffunc",
                                            "define", "enum", "func", "modcfunc", "modfunc", "usecom"};
    for (const auto &row : SourceScan::FindDirectiveRows(styled, kinds)) {
        Check(row.directive < text.size());
        CheckPiece(row.name, 1024);
    }
    SourceScan::LineCounter lines(text);
    size_t lastLine = 0;
    const std::string keyword = text.substr(0, keywordLength);
    for (const size_t found : SourceScan::FindKeyword(text, keyword)) {
        Check(found + keyword.size() <= text.size());
        CheckPiece(SourceScan::RestOfLine(text, found), 1024);
        const size_t line = lines.LineOf(found);
        Check(line >= lastLine && line <= text.size());
        lastLine = line;
    }
    return 0;
}
