#include "editor/EditCommands.h"

#include <cstring>
#include <string>

#include "editor/SelectionBounds.h"
#include "framework/ShiftJis.h"

using Position = Vessary::Position;

void EditCommands::InsertLinePrefix(const char *prefix) {
    SelectionBounds bounds = SelectionBounds::Of(view_);
    const auto length = static_cast<Position>(std::strlen(prefix));
    const Position first = view_.LineFromPosition(bounds.start);
    const Position last = view_.LineFromPosition(bounds.end);
    {
        UndoGroup group(view_);
        for (Position line = first; line <= last; ++line)
            view_.InsertText(view_.PositionFromLine(line), prefix);
    }
    bounds.start += length;
    bounds.end += (last - first + 1) * length;
    bounds.Restore(view_);
}

void EditCommands::RemoveSemicolonComments() {
    SelectionBounds bounds = SelectionBounds::Of(view_);
    const Position first = view_.LineFromPosition(bounds.start);
    const Position last = view_.LineFromPosition(bounds.end);
    {
        UndoGroup group(view_);
        for (Position line = first; line <= last; ++line) {
            const Position at = view_.PositionFromLine(line);
            if (view_.GetTextRange(at, at + 1) != ";")
                continue;
            view_.SetTargetStart(at);
            view_.SetTargetEnd(at + 1);
            view_.ReplaceTarget("", 0);
            // Only a bound behind the removed byte moves: one at the line's start stays there.
            if (bounds.start > at)
                --bounds.start;
            if (bounds.end > at)
                --bounds.end;
        }
    }
    bounds.Restore(view_);
}

void EditCommands::InsertBlockComment() {
    SelectionBounds bounds = SelectionBounds::Of(view_);
    {
        UndoGroup group(view_);
        view_.InsertText(bounds.end, " */");
        view_.InsertText(bounds.start, "/* ");
    }
    bounds.end += 6;
    bounds.Restore(view_);
}

void EditCommands::InsertNullCharacter() {
    const char zero = '\0';
    view_.AddText(&zero, 1);
    view_.ScrollCaret();
}

void EditCommands::TabsToSpaces(int width) {
    if (width < 1)
        return;
    SelectionBounds bounds = SelectionBounds::Of(view_);
    if (bounds.Empty()) {
        bounds.start = 0;
        bounds.end = view_.GetLength();
        bounds.caretAtEnd = false;
    }
    const Position first = view_.LineFromPosition(bounds.start);
    const Position last = view_.LineFromPosition(bounds.end);
    {
        UndoGroup group(view_);
        for (Position line = first; line <= last; ++line) {
            const std::string old = view_.GetLine(line);
            if (old.find('\t') == std::string::npos)
                continue;
            const Position lineStart = view_.PositionFromLine(line);
            std::string converted;
            converted.reserve(old.size() + 16);
            int column = 0;
            for (size_t i = 0; i < old.size(); ++i) {
                const auto c = static_cast<unsigned char>(old[i]);
                if (ShiftJis::IsLeadByte(c) && i + 1 < old.size()) {
                    converted.append(old, i, 2);
                    ++i;
                    column += 2;
                } else if (c == '\t') {
                    const Position at = lineStart + static_cast<Position>(i);
                    if (at >= bounds.start && at < bounds.end)
                        converted.append(static_cast<size_t>(width - column % width), ' ');
                    else
                        converted += '\t';
                    column = 0;
                } else {
                    converted += static_cast<char>(c);
                    ++column;
                }
            }
            if (converted == old)
                continue;
            view_.SetTargetStart(lineStart);
            view_.SetTargetEnd(lineStart + static_cast<Position>(old.size()));
            view_.ReplaceTarget(converted.data(), static_cast<Position>(converted.size()));
            bounds.end += static_cast<Position>(converted.size()) - static_cast<Position>(old.size());
        }
    }
    bounds.Restore(view_);
}
