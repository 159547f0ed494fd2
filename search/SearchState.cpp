#include "search/SearchState.h"

#include <algorithm>

#include "Scintilla.h"

int SearchState::Flags() const {
    return (regularExpression ? SCFIND_REGEXP : 0) | (wholeWord ? SCFIND_WHOLEWORD : 0) |
           (matchCase ? SCFIND_MATCHCASE : 0);
}

void SearchState::AddToHistory(const std::string &text) {
    history.erase(std::remove(history.begin(), history.end(), text), history.end());
    history.push_back(text);
    while (history.size() > HistorySize)
        history.pop_front();
}
