// The comma and the tab lexers, chosen by the input's first bit.
#include "LexerHarness.h"
#include "OwnLexers.h"
#include "VessaryMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1)
        return 0;
    Scintilla::ILexer5 *lexer = data[0] & 1 ? Vessary::CreateTsvLexer() : Vessary::CreateCsvLexer();
    return FuzzLexer(lexer, VSCSV_SEPARATOR, data + 1, size - 1);
}
