#include "LexerHarness.h"
#include "OwnLexers.h"
#include "VessaryMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    return FuzzLexer(Vessary::CreateIniLexer(), VSINI_VALUE, data, size);
}
