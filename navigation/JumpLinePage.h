// A page listing places of the target by line, above which a preview shows the target's text:
// a click on a row shows its line in the preview, a double click goes there in the editor. The
// label and definition pages fill it.
#pragma once

#include <string>
#include <vector>

#include "editor/Document.h"
#include "navigation/JumpList.h"
#include "navigation/JumpPage.h"

class StyledText;

class JumpLinePage : public JumpPage {
public:
    JumpLinePage(int templateId, Workbench &workbench, JumpMemory &memory, int columns, COLORREF tint)
        : JumpPage(templateId, workbench, memory), columns_(columns), tint_(tint) {}

    INT_PTR OnInitDialog(HWND focus, LPARAM param) override;
    INT_PTR OnNotify(int id, NMHDR *header) override;
    INT_PTR OnSize(WPARAM type, WORD width, WORD height) override;
    void Shown() override;

    const JumpList &List() const { return list_; }
    // The line (from 0) each row stands for.
    const std::vector<int> &Lines() const { return lines_; }
    const Document &Preview() const { return preview_; }

protected:
    // Empties the list for a new filling; the caret's line decides the row chosen.
    void Begin(const Document &target);
    // A row for a place on line; the last one at or above the caret is chosen.
    void AddRow(std::vector<std::string> cells, int line);
    // Shows the rows with the chosen one selected at the top, the target's text in the preview
    // at that row's line, and gives the list the focus.
    void Finish(const Document &target, const StyledText &text);
    // Places the preview and the list; width and height are the page's.
    virtual void Arrange(int width, int height, int listRight);

    static const int margin = 9;
    static const int gap = 6;

    JumpList list_;

private:
    void ShowInPreview(int row);
    void ConfigurePreview(int language);

    const int columns_;
    const COLORREF tint_;
    std::vector<int> lines_;
    int caretLine_ = 0;
    int chosen_ = 0;
    Document preview_;
};
