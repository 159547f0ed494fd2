#include "navigation/ScanCache.h"

ScanCache::ScanPtr ScanCache::Find(const std::string &file, const Stamp &stamp) const {
    const auto found = entries_.find(file);
    return found != entries_.end() && found->second.stamp == stamp ? found->second.scan : nullptr;
}

void ScanCache::Store(const std::string &file, const Stamp &stamp, ScanPtr scan) { entries_[file] = {stamp, std::move(scan)}; }

const ScanCache::Trace *ScanCache::FindTrace(const std::string &key) const {
    const auto found = traces_.find(key);
    return found == traces_.end() ? nullptr : &found->second;
}

void ScanCache::StoreTrace(const std::string &key, Trace trace) { traces_[key] = std::move(trace); }
