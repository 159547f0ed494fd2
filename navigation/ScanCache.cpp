#include "navigation/ScanCache.h"

ScanCache::ScanPtr ScanCache::Find(const std::string &file, const Stamp &stamp) const {
    const auto found = entries_.find(file);
    return found != entries_.end() && found->second.stamp == stamp ? found->second.scan : nullptr;
}

void ScanCache::Store(const std::string &file, const Stamp &stamp, ScanPtr scan) { entries_[file] = {stamp, std::move(scan)}; }
