// What the tracer keeps across commands while nothing it read has changed: each file's scan,
// and each trace with the files and folders it consulted. A file on disk (or a folder) is known
// by its size and time of last writing, an open document by its text. A repeated reference then
// reads and resolves nothing again.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "navigation/SourceLocation.h"
#include "navigation/SourceScan.h"

class ScanCache {
public:
    using ScanPtr = std::shared_ptr<const SourceScan::FileScan>;

    struct Stamp {
        bool fromView = false;
        bool exists = true;
        uint64_t size = 0;
        // The time of last writing, or a hash of an open document's text.
        uint64_t version = 0;
        bool operator==(const Stamp &other) const {
            return fromView == other.fromView && exists == other.exists && size == other.size && version == other.version;
        }
    };
    // The files a trace read and the folders it looked in, with their stamps then.
    using Consulted = std::map<std::string, Stamp>;

    struct Trace {
        std::vector<TraceSegment> segments;
        Consulted consulted;
    };

    // Null unless a scan of this file with this stamp is kept.
    ScanPtr Find(const std::string &file, const Stamp &stamp) const;
    void Store(const std::string &file, const Stamp &stamp, ScanPtr scan);
    // Null unless a trace is kept under key.
    const Trace *FindTrace(const std::string &key) const;
    void StoreTrace(const std::string &key, Trace trace);

private:
    struct Entry {
        Stamp stamp;
        ScanPtr scan;
    };
    std::map<std::string, Entry> entries_;
    std::map<std::string, Trace> traces_;
};
