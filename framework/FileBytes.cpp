#include "framework/FileBytes.h"

#include "framework/FileSystem.h"
#include "framework/KernelHandle.h"
#include "framework/ShiftJis.h"

namespace {

const DWORD copyBlock = 1 << 16;

std::string FolderOf(const char *path) {
    std::string folder(path);
    const int slash = ShiftJis::FindLast(folder.c_str(), static_cast<int>(folder.size()), '\\');
    if (slash < 0)
        return ".\\";
    folder.resize(static_cast<size_t>(slash) + 1);
    return folder;
}

bool WriteTemporary(const char *temporary, const FileBytes::Writer &writer) {
    FileSystem &files = FileSystem::Get();
    KernelHandle file(files.Create(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS));
    if (!file.Valid())
        return false;
    FileBytes::Sink sink(file.Get());
    return writer(sink) && files.Flush(file.Get()) && file.Reset();
}

bool SameBytes(HANDLE a, HANDLE b) {
    std::string left(copyBlock, '\0'), right(copyBlock, '\0');
    for (;;) {
        DWORD gotLeft = 0, gotRight = 0;
        if (!ReadFile(a, &left[0], copyBlock, &gotLeft, nullptr) || !ReadFile(b, &right[0], copyBlock, &gotRight, nullptr))
            return false;
        if (gotLeft != gotRight || left.compare(0, gotLeft, right, 0, gotRight) != 0)
            return false;
        if (gotLeft == 0)
            return true;
    }
}

enum class InPlace { Written, Untouched, Damaged };

// The original is held open by someone who lets others write: put the bytes over it, then read
// both back to be sure the original now holds exactly the new contents.
InPlace OverwriteInPlace(const char *path, const char *temporary) {
    FileSystem &files = FileSystem::Get();
    KernelHandle source(CreateFileA(temporary, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!source.Valid())
        return InPlace::Untouched;
    KernelHandle target(files.Create(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!target.Valid())
        return InPlace::Untouched;
    std::string block(copyBlock, '\0');
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(source.Get(), &block[0], copyBlock, &got, nullptr))
            return InPlace::Damaged;
        if (got == 0)
            break;
        if (!files.Write(target.Get(), block.data(), got))
            return InPlace::Damaged;
    }
    if (!files.Truncate(target.Get()) || !files.Flush(target.Get()))
        return InPlace::Damaged;
    SetFilePointer(source.Get(), 0, nullptr, FILE_BEGIN);
    SetFilePointer(target.Get(), 0, nullptr, FILE_BEGIN);
    return SameBytes(source.Get(), target.Get()) ? InPlace::Written : InPlace::Damaged;
}

// The user is sent to this file, which took the original's attributes: it must not be hidden.
FileBytes::Outcome Kept(const char *temporary) {
    FileSystem::Get().SetAttributes(temporary, FILE_ATTRIBUTE_NORMAL);
    FileBytes::Outcome outcome;
    outcome.kept = temporary;
    return outcome;
}

}

namespace FileBytes {

bool Sink::Put(const char *data, size_t size) {
    while (size > 0) {
        const DWORD piece = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        if (!FileSystem::Get().Write(file_, data, piece))
            return false;
        data += piece;
        size -= piece;
    }
    return true;
}

ReadState Read(const char *path, std::string &bytes, unsigned long long limit) {
    bytes.clear();
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadState::Missing : ReadState::Unreadable;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ReadState::Unreadable;
    KernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return ReadState::Unreadable;
    if (static_cast<unsigned long long>(size.QuadPart) > limit)
        return ReadState::TooLarge;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = bytes.size() - done > copyBlock ? copyBlock : static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.Get(), &bytes[done], want, &got, nullptr) || got == 0) {
            bytes.clear();
            return ReadState::Unreadable;
        }
        done += got;
    }
    return ReadState::Read;
}

Outcome Replace(const char *path, const Writer &writer) {
    FileSystem &files = FileSystem::Get();
    Outcome outcome;
    const DWORD attributes = GetFileAttributesA(path);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return outcome;
    char temporary[MAX_PATH] = "";
    if (!files.TemporaryFile(FolderOf(path).c_str(), "tmb", temporary))
        return outcome;
    if (!WriteTemporary(temporary, writer)) {
        files.Delete(temporary);
        return outcome;
    }
    if (!exists) {
        outcome.saved = files.Move(temporary, path);
        if (!outcome.saved)
            files.Delete(temporary);
        return outcome;
    }
    // The attributes go on before the replace: failing afterwards would leave a saved file
    // that has lost them (hidden, system) and a caller told it was saved.
    if (!files.SetAttributes(temporary, attributes)) {
        files.Delete(temporary);
        return outcome;
    }
    if (files.Replace(path, temporary)) {
        outcome.saved = true;
        return outcome;
    }
    const DWORD error = GetLastError();
    // 1176/1177: the original may already be gone, so the temporary file is the only copy.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return Kept(temporary);
    switch (OverwriteInPlace(path, temporary)) {
    case InPlace::Written:
        files.Delete(temporary);
        outcome.saved = true;
        break;
    case InPlace::Untouched:
        files.Delete(temporary);
        break;
    case InPlace::Damaged:
        return Kept(temporary);
    }
    return outcome;
}

Outcome Replace(const char *path, const std::string &bytes) {
    return Replace(path, [&bytes](Sink &sink) { return sink.Put(bytes); });
}

}
