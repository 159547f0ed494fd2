// A file path split into its parts, plus the file-type code of its extension.
#pragma once

#include "framework/Object.h"

class Path : public Object {
public:
    static const int Capacity = 260;

    Path() { Clear(); }
    explicit Path(const char *path) { Set(path); }

    // Splits path; a path longer than the capacity is cut. Sets the file type from the extension.
    void Set(const char *path);
    void Clear();

    const char *Full() const { return full_; }
    // Drive and directory, ending with a backslash when there is a directory.
    const char *DirectoryPart() const { return directoryPart_; }
    // Name and extension.
    const char *FilePart() const { return filePart_; }
    const char *Drive() const { return drive_; }
    const char *Directory() const { return directory_; }
    const char *Name() const { return name_; }
    // With its dot, as written ("" when there is none).
    const char *Extension() const { return extension_; }
    int FileType() const { return fileType_; }
    void SetFileType(int type) { fileType_ = type; }
    bool HasDrive() const { return drive_[0] != '\0'; }
    // No file yet: the path names a folder only (as a new document's does).
    bool IsUntitled() const { return filePart_[0] == '\0'; }

private:
    char full_[Capacity];
    char directoryPart_[Capacity];
    char filePart_[Capacity];
    char drive_[3];
    char directory_[256];
    char name_[256];
    char extension_[256];
    int fileType_;
};
