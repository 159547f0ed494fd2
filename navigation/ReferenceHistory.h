// Where the definition reference jumped from, most recent last; back returns there. It lives as
// long as the main frame and has no bound.
#pragma once

#include <deque>

#include "navigation/SourceLocation.h"

class ReferenceHistory {
public:
    void Push(const SourceLocation &location) { locations_.push_back(location); }
    // False when empty.
    bool Pop(SourceLocation &location);
    bool Empty() const { return locations_.empty(); }
    size_t Size() const { return locations_.size(); }

private:
    std::deque<SourceLocation> locations_;
};
