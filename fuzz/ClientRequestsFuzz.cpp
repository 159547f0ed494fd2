// A client's requests over any bytes: the client-to-server block (2 MiB + 2 bytes) filled as a
// client might leave it, zero-filled by the editor or full of earlier bytes with no terminator
// anywhere, then read the way the editor serves every request: the three parameters decoded,
// read as numbers, positions, document references, character codes and function lists, a
// text answered from a document, and exactly what was read cleared again.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "MemoryDocument.h"
#include "client/ClientWire.h"
#include "sdk/TamborelProtocol.h"

namespace {

using TamborelProtocol::BlockSize;
using TamborelProtocol::ParameterOffsets;

void Check(bool holds) {
    if (!holds)
        std::abort();
}

// Exactly the block's size, so that any read or write beyond it is caught.
unsigned char *ClientBlock() {
    static unsigned char *block = new unsigned char[BlockSize];
    return block;
}

unsigned char *ServerBlock() {
    static unsigned char *block = new unsigned char[BlockSize];
    return block;
}

void Place(unsigned char *block, size_t offset, const uint8_t *bytes, size_t length) {
    std::memcpy(block + offset, bytes, length < BlockSize - offset ? length : BlockSize - offset);
}

void CheckParameter(const unsigned char *block, size_t offset, const std::string &text, size_t extent) {
    Check(offset + extent <= BlockSize && (extent == text.size() || extent == text.size() + 1));
    Check(text.find('\0') == std::string::npos && std::memcmp(block + offset, text.data(), text.size()) == 0);
    // atol's reading, except that a number too large for its type saturates.
    errno = 0;
    Check(ClientWire::Number(text) == std::strtoll(text.c_str(), nullptr, 10));
    const ClientWire::DocumentReference reference = ClientWire::Reference(text);
    Check(reference.kind == ClientWire::DocumentReference::None || (text[0] == '<' && text[2] == '>'));
    Check(ClientWire::Character(ClientWire::Number(text)).size() <= 2);
    for (const ClientWire::Function &function : ClientWire::FunctionList(text))
        for (const std::string *part : {&function.name, &function.explanation})
            Check(part->find('/') == std::string::npos && part->find('?') == std::string::npos);
}

// "get text" answered from a document holding (the start of) the third parameter, written into
// the answer block, and the longest answer there is: a whole parameter.
void CheckAnswer(const ClientWire::Request &request) {
    MemoryDocument document(request.parameters[2].substr(0, 4096));
    const long long room = static_cast<long long>(BlockSize - 1);
    const long long length = ClientWire::TextLength(ClientWire::Position(request.parameters[1]), document.Length(), room);
    Check(length >= 0 && length <= document.Length() && length <= room);
    std::string text(static_cast<size_t>(length), '\0');
    document.GetCharRange(&text[0], 0, length);
    for (const std::string &answer : {text, request.parameters[0]}) {
        const size_t written = ClientWire::PutText(ServerBlock(), BlockSize, answer);
        Check(written >= 1 && written <= BlockSize && ServerBlock()[written - 1] == 0);
        std::memset(ServerBlock(), 0, written);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2)
        return 0;
    // Texts that run to the end of a full block cost megabytes a run: one run in eight or so.
    const bool leftOver = (data[0] & 7) == 7;
    const bool atTheEnd = data[0] & 8;
    unsigned char *block = ClientBlock();
    std::memset(block, leftOver ? (data[0] | 0x80) : 0, BlockSize);
    const uint8_t *input = data + 2;
    const size_t length = size - 2;
    const size_t first = data[1] % (length + 1);
    const size_t second = first + (length - first) / 2;
    Place(block, ParameterOffsets[0], input, first);
    Place(block, ParameterOffsets[1], input + first, second - first);
    Place(block, atTheEnd ? BlockSize - (length - second) : ParameterOffsets[2], input + second, length - second);

    const ClientWire::Request request = ClientWire::DecodeRequest(block, BlockSize);
    for (size_t i = 0; i < 3; ++i)
        CheckParameter(block, ParameterOffsets[i], request.parameters[i], request.extents[i]);
    CheckAnswer(request);
    Check(ClientWire::Number(ClientWire::TextAt(block, BlockSize, 0)) == ClientWire::Number(request.parameters[0]));

    for (size_t i = 0; i < 3; ++i)
        std::memset(block + ParameterOffsets[i], 0, request.extents[i]);
    const ClientWire::Request cleared = ClientWire::DecodeRequest(block, BlockSize);
    for (const std::string &parameter : cleared.parameters)
        Check(parameter.empty());
    return 0;
}
