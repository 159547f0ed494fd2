// Reading what a client wrote into its client-to-server block. Nothing a client writes is
// trusted: a text ends at its terminator or at the end of the block, whichever comes first, and
// numbers are read without overflowing. Plain functions over bytes, free of windows and files, so
// that they can be exercised with any bytes at all.
#pragma once

#include <cstddef>
#include <cstdint>
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

// A position or line a client gave, cut to what this build's positions hold.
intptr_t Position(const std::string &text);

// What a "get text" of asked bytes copies from a document of available bytes: never less than
// nothing, never more than the document or room (what the answer block holds).
long long TextLength(long long asked, long long available, long long room);

// The bytes a character code stands for: above 0xFF a double-byte character, lead byte first;
// nothing for 0, a negative code or one above 0xFFFF. Cut at a zero byte, as a text is.
std::string Character(long long code);

// Writes text and its terminator at the start of a block of size bytes, cut to fit; returns the
// bytes written, which is what must be cleared again.
size_t PutText(unsigned char *block, size_t size, const std::string &text);

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
