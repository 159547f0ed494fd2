// Reading what a client wrote into its client-to-server block. Nothing a client writes is
// trusted: a text ends at its terminator or at the end of the block, whichever comes first, and
// numbers are read without overflowing. Plain functions over bytes, free of windows and files, so
// that they can be exercised with any bytes at all.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ClientWire {

// The text at offset, up to its terminator or the end of the block; extent gets the bytes it
// covers, terminator included when there is one (0 when offset lies beyond the block).
std::string TextAt(const unsigned char *block, size_t size, size_t offset, size_t *extent = nullptr);

// The three parameters of a request, and how far each reached, so that exactly what was read
// can be cleared again.
struct Request {
    std::string parameters[3];
    size_t extents[3] = {0, 0, 0};
};
Request DecodeRequest(const unsigned char *block, size_t size);

// Decimal text read as atol reads it (leading blanks, a sign, digits up to the first other
// character; 0 when there are none), saturating instead of overflowing.
long long Number(const std::string &text);

// "<H>%d" names a document by its edit window, "<I>%d" by its index; the prefix decides.
struct DocumentReference {
    enum Kind { None, Handle, Index };
    Kind kind = None;
    long long value = 0;
};
DocumentReference Reference(const std::string &text);

// A client's function list: items separated by "/", each a name alone or a name, "?" and an
// explanation; items of more than two parts are left out.
struct Function {
    std::string name;
    std::string explanation;
};
std::vector<Function> FunctionList(const std::string &text);

}
