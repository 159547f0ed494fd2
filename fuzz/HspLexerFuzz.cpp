// The HSP lexer over any bytes, with a few words in each keyword set.
#include "LexerHarness.h"
#include "OwnLexers.h"
#include "VessaryMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Scintilla::ILexer5 *lexer = Vessary::CreateHspLexer();
    static const char *const sets[] = {"abs int str", "mes pos color", "_debug __file__", "#include #deffunc #define",
                                       "stat cnt", "global ctype", "messagebox", "es_ini", "mine"};
    for (int i = 0; i < 9; ++i)
        lexer->WordListSet(i, sets[i]);
    return FuzzLexer(lexer, VSHSP_USER, data, size);
}
