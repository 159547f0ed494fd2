// The scans of the files the tracer has read, kept across commands while each file stays as it
// was: a file on disk by its size and time of last writing, an open document by its text. A
// repeated reference then reads no file again.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "navigation/SourceScan.h"

class ScanCache {
public:
    using ScanPtr = std::shared_ptr<const SourceScan::FileScan>;

    struct Stamp {
        bool fromView = false;
        uint64_t size = 0;
        // The time of last writing, or a hash of an open document's text.
        uint64_t version = 0;
        bool operator==(const Stamp &other) const {
            return fromView == other.fromView && size == other.size && version == other.version;
        }
    };

    // Null unless a scan of this file with this stamp is kept.
    ScanPtr Find(const std::string &file, const Stamp &stamp) const;
    void Store(const std::string &file, const Stamp &stamp, ScanPtr scan);
    size_t Count() const { return entries_.size(); }

private:
    struct Entry {
        Stamp stamp;
        ScanPtr scan;
    };
    std::map<std::string, Entry> entries_;
};
