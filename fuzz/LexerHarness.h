// Runs one of the component's lexers over a fuzzer's input the way the component does: the whole
// text first, then again from a line start the input chooses, with the styles behind forgotten.
// A style outside the lexer's range, a write outside the text, or a restyle that disagrees with
// styling from the top (the lexers promise they agree) stops the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "ILexer.h"

#include "MemoryDocument.h"

struct LexerReleaser {
    void operator()(Scintilla::ILexer5 *lexer) const { lexer->Release(); }
};

inline int FuzzLexer(Scintilla::ILexer5 *lexer, int highestStyle, const uint8_t *data, size_t size) {
    std::unique_ptr<Scintilla::ILexer5, LexerReleaser> owned(lexer);
    if (size < 1)
        return 0;
    const uint8_t choice = data[0];
    MemoryDocument whole(std::string(reinterpret_cast<const char *>(data + 1), size - 1));
    lexer->Lex(0, whole.Length(), 0, &whole);
    for (char style : whole.Styles())
        if (static_cast<unsigned char>(style) > highestStyle)
            std::abort();

    MemoryDocument again(std::string(reinterpret_cast<const char *>(data + 1), size - 1));
    lexer->Lex(0, again.Length(), 0, &again);
    const Sci_Position line = again.LineCount() > 0 ? choice % again.LineCount() : 0;
    const Sci_Position start = again.LineStart(line);
    const int before = start > 0 ? static_cast<unsigned char>(again.StyleAt(start - 1)) : 0;
    again.Unstyle(start);
    lexer->Lex(start, again.Length() - start, before, &again);
    if (again.Styles() != whole.Styles())
        std::abort();
    return 0;
}
