#include "framework/Path.h"

#include <cstring>

#include "framework/ShiftJis.h"
#include "language/FileTypes.h"

namespace {
void CopyCut(char *target, size_t capacity, const char *source, size_t length) {
    if (length >= capacity)
        length = capacity - 1;
    // Never cut a double-byte character in half.
    size_t end = 0;
    while (end < length) {
        const size_t step = ShiftJis::IsLeadByte(static_cast<unsigned char>(source[end])) ? 2 : 1;
        if (end + step > length)
            break;
        end += step;
    }
    std::memcpy(target, source, end);
    target[end] = '\0';
}
}

void Path::Clear() {
    full_[0] = directoryPart_[0] = filePart_[0] = drive_[0] = directory_[0] = name_[0] = extension_[0] = '\0';
    fileType_ = FileTypes::PlainText;
}

void Path::Set(const char *path) {
    Clear();
    if (!path)
        return;
    CopyCut(full_, sizeof full_, path, std::strlen(path));
    const int length = static_cast<int>(std::strlen(full_));
    int start = 0;
    if (length >= 2 && full_[1] == ':' && !ShiftJis::IsLeadByte(static_cast<unsigned char>(full_[0]))) {
        CopyCut(drive_, sizeof drive_, full_, 2);
        start = 2;
    }
    const int slash = ShiftJis::FindLast(full_ + start, length - start, '\\');
    const int fileStart = slash < 0 ? start : start + slash + 1;
    CopyCut(directory_, sizeof directory_, full_ + start, static_cast<size_t>(fileStart - start));
    CopyCut(directoryPart_, sizeof directoryPart_, full_, static_cast<size_t>(fileStart));
    CopyCut(filePart_, sizeof filePart_, full_ + fileStart, static_cast<size_t>(length - fileStart));
    const int fileLength = length - fileStart;
    const int dot = ShiftJis::FindLast(filePart_, fileLength, '.');
    const int nameLength = dot < 0 ? fileLength : dot;
    CopyCut(name_, sizeof name_, filePart_, static_cast<size_t>(nameLength));
    CopyCut(extension_, sizeof extension_, filePart_ + nameLength, static_cast<size_t>(fileLength - nameLength));
    fileType_ = FileTypes::FromExtension(extension_);
}
