// The file calls that reading documents and saving make, behind one seam: the real ones, unless
// a test installed a replacement that fails on purpose at a chosen step.
#pragma once

#include <windows.h>

#include "framework/Object.h"

class FileSystem : public Object {
public:
    virtual HANDLE Create(const char *path, DWORD access, DWORD share, DWORD disposition);
    // got is 0 at the end of the file.
    virtual bool Read(HANDLE file, void *data, DWORD size, DWORD &got);
    virtual bool Write(HANDLE file, const void *data, DWORD size);
    virtual bool Flush(HANDLE file);
    virtual bool Truncate(HANDLE file);
    // ReplaceFileA without a backup.
    virtual bool Replace(const char *target, const char *replacement);
    virtual bool Move(const char *from, const char *to);
    virtual bool SetAttributes(const char *path, DWORD attributes);
    virtual bool Delete(const char *path);
    // A new, empty file with a unique name in folder (GetTempFileNameA).
    virtual bool TemporaryFile(const char *folder, const char *prefix, char (&name)[MAX_PATH]);

    static FileSystem &Get();
    // Installs a replacement (null restores the real one); the caller keeps ownership.
    static void Install(FileSystem *fileSystem);
};
