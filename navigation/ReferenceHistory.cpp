#include "navigation/ReferenceHistory.h"

bool ReferenceHistory::Pop(SourceLocation &location) {
    if (locations_.empty())
        return false;
    location = locations_.back();
    locations_.pop_back();
    return true;
}
