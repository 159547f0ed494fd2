#include "framework/FileSystem.h"

namespace {
FileSystem realFileSystem;
FileSystem *installed;
}

FileSystem &FileSystem::Get() { return installed ? *installed : realFileSystem; }
void FileSystem::Install(FileSystem *fileSystem) { installed = fileSystem; }

HANDLE FileSystem::Create(const char *path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool FileSystem::Read(HANDLE file, void *data, DWORD size, DWORD &got) {
    got = 0;
    return ReadFile(file, data, size, &got, nullptr) != FALSE;
}

bool FileSystem::Write(HANDLE file, const void *data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool FileSystem::Flush(HANDLE file) { return FlushFileBuffers(file) != FALSE; }
bool FileSystem::Truncate(HANDLE file) { return SetEndOfFile(file) != FALSE; }

bool FileSystem::Replace(const char *target, const char *replacement) {
    return ReplaceFileA(target, replacement, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE;
}

bool FileSystem::Move(const char *from, const char *to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool FileSystem::SetAttributes(const char *path, DWORD attributes) { return SetFileAttributesA(path, attributes) != FALSE; }
bool FileSystem::Delete(const char *path) { return DeleteFileA(path) != FALSE; }

bool FileSystem::TemporaryFile(const char *folder, const char *prefix, char (&name)[MAX_PATH]) {
    return GetTempFileNameA(folder, prefix, 0, name) != 0;
}
