#include "client/ClientWire.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "sdk/TamborelProtocol.h"

namespace ClientWire {

std::string TextAt(const unsigned char *block, size_t size, size_t offset, size_t *extent) {
    if (extent)
        *extent = 0;
    if (!block || offset >= size)
        return std::string();
    const unsigned char *start = block + offset;
    const size_t room = size - offset;
    const void *terminator = std::memchr(start, 0, room);
    const size_t length = terminator ? static_cast<size_t>(static_cast<const unsigned char *>(terminator) - start) : room;
    if (extent)
        *extent = terminator ? length + 1 : length;
    return std::string(reinterpret_cast<const char *>(start), length);
}

Request DecodeRequest(const unsigned char *block, size_t size) {
    Request request;
    for (size_t i = 0; i < 3; ++i)
        request.parameters[i] = TextAt(block, size, TamborelProtocol::ParameterOffsets[i], &request.extents[i]);
    return request;
}

long long Number(const std::string &text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned long long value = 0;
    const unsigned long long limit = negative ? static_cast<unsigned long long>(LLONG_MAX) + 1 : LLONG_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i] - '0');
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    if (!negative)
        return static_cast<long long>(value);
    return value > static_cast<unsigned long long>(LLONG_MAX) ? LLONG_MIN : -static_cast<long long>(value);
}

intptr_t Position(const std::string &text) {
    const long long value = Number(text);
    if (value > INTPTR_MAX)
        return INTPTR_MAX;
    return value < INTPTR_MIN ? INTPTR_MIN : static_cast<intptr_t>(value);
}

long long TextLength(long long asked, long long available, long long room) {
    const long long length = asked < 0 ? 0 : asked > available ? available : asked;
    return length < room ? length : room;
}

std::string Character(long long code) {
    char text[3] = "";
    if (code > 0xFF && code <= 0xFFFF) {
        text[0] = static_cast<char>(code >> 8);
        text[1] = static_cast<char>(code & 0xFF);
    } else if (code > 0 && code <= 0xFF) {
        text[0] = static_cast<char>(code);
    }
    return text;
}

size_t PutText(unsigned char *block, size_t size, const std::string &text) {
    if (!block || size == 0)
        return 0;
    const size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(block, text.data(), length);
    block[length] = 0;
    return length + 1;
}

DocumentReference Reference(const std::string &text) {
    DocumentReference reference;
    if (text.size() < 3 || text[0] != '<' || text[2] != '>')
        return reference;
    if (text[1] == 'H')
        reference.kind = DocumentReference::Handle;
    else if (text[1] == 'I')
        reference.kind = DocumentReference::Index;
    else
        return reference;
    reference.value = Number(text.substr(3));
    return reference;
}

namespace {

std::vector<std::string> Split(const std::string &text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

}

// '/' and '?' are never the second byte of a Shift-JIS character, so a byte-wise split is safe.
std::vector<Function> FunctionList(const std::string &text) {
    std::vector<Function> functions;
    if (text.empty())
        return functions;
    for (const std::string &item : Split(text, '/')) {
        const std::vector<std::string> parts = Split(item, '?');
        if (parts.size() == 1)
            functions.push_back({parts[0], std::string()});
        else if (parts.size() == 2)
            functions.push_back({parts[0], parts[1]});
    }
    return functions;
}

}
