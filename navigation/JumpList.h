// A list of the jump dialog: report view without headers, single selection kept visible, full
// rows, every even row tinted. The rows' texts live here and the control asks for the ones it
// shows, so that a list of a hundred thousand labels fills at once.
#pragma once

#include <string>
#include <vector>

#include "framework/ListCtrl.h"

class JumpList : public ListCtrl {
public:
    // Takes the dialog's list control over; column 1 (line numbers) is right-aligned.
    void Setup(HWND dialog, int id, int columns, COLORREF tint);
    void Clear();
    // One row; cells beyond the columns are ignored, missing ones are empty.
    void AddRow(std::vector<std::string> cells);
    // Hands the rows to the control and sizes each column to its widest text.
    void Show();
    int Rows() const { return columns_ ? static_cast<int>(cells_.size() / static_cast<size_t>(columns_)) : 0; }
    const std::string &Cell(int row, int column) const;
    // Selects and focuses the row and scrolls it to the top.
    void Choose(int row);
    // The list's notifications to its dialog: true when answered, with the answer in result.
    bool Answer(NMHDR &header, LRESULT &result) const;

private:
    int ColumnWidth(int column) const;

    int columns_ = 0;
    COLORREF tint_ = 0;
    std::vector<std::string> cells_;
};
