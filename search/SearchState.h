// What searching remembers for the whole run and shares between the dialog and the find-next
// keys: the tab last shown, the direction, the three options and the keyword history. Nothing
// of it is written to the settings.
#pragma once

#include <deque>
#include <string>

struct SearchState {
    static constexpr size_t HistorySize = 5;

    enum Mode : unsigned char { Find = 0, Replace = 1 };

    Mode mode = Find;
    bool downward = true;
    bool matchCase = false;
    bool wholeWord = false;
    bool regularExpression = false;
    // Oldest first, most recent last; one list feeds both combo boxes.
    std::deque<std::string> history;

    // The edit component's search flags for the three options.
    int Flags() const;
    // Moves text to the end (an equal entry is taken out first) and drops the oldest beyond
    // HistorySize.
    void AddToHistory(const std::string &text);
};
