// The files an HSP program carries, as listed in the "packfile" beside its script: one name a
// line (relative to the packfile's folder, or a full path), "+" in front for a file stored
// encrypted, ";" for a comment line. The list holds each existing file once, sorted by path.
#pragma once

#include <string>
#include <vector>

#include "framework/Path.h"

class PackList {
public:
    struct Entry {
        Path path;
        bool encrypted = false;
    };

    // packfile: the list's file (made absolute against the current folder).
    explicit PackList(const std::string &packfile);

    const std::string &File() const { return packfile_; }
    const std::string &Folder() const { return folder_; }
    // The entries of the packfile, when it exists; names of files that are gone are dropped.
    void Load();
    // A name relative to the packfile's folder, or a full path. Only an existing file that is
    // not the packfile and not listed yet is added.
    bool Add(const std::string &name, bool encrypted);
    void Remove(const std::vector<int> &indexes);
    void SetEncrypted(int index, bool encrypted);
    // Sorted by full path, byte by byte with double-byte characters compared whole.
    const std::vector<Entry> &Entries() const { return entries_; }
    // The packfile's new text: files in its folder by name, others (and names that would read
    // back otherwise) by full path; CR LF ends.
    std::string Format() const;

private:
    std::string packfile_;
    std::string folder_;
    std::vector<Entry> entries_;
};
