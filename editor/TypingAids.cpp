#include "editor/TypingAids.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "editor/CompletionSource.h"
#include "editor/Document.h"
#include "editor/SelectionBounds.h"
#include "framework/ShiftJis.h"
#include "language/KeywordTables.h"
#include "settings/LexerCommon.h"
#include "settings/Setting.h"
#include "app/System.h"
#include "vessary/VessaryMessages.h"

using Position = Vessary::Position;

namespace {

// Styles of the HSP colouring that the call tip scan reads.
const int hspLexer = VSLEX_HSP;
const int functionStyle = VSHSP_FUNCTION;
const int operatorStyle = VSHSP_OPERATOR;
const int commandStyle = VSHSP_COMMAND;
const int identifierStyle = VSHSP_IDENTIFIER;
const int userStyle = VSHSP_USER;
// A "(" inside the arguments on the scan's stack.
const int parenthesis = -1;

const Position longestIndentedLine = 1020;
const Position longestOutdentedLine = 1019;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// "*name" at the very start of the line.
bool IsLabelLine(const std::string &line) {
    if (line.size() < 2 || line[0] != '*')
        return false;
    const auto next = static_cast<unsigned char>(line[1]);
    return next >= 0x80 || std::isalnum(next) || next == '_';
}

// The last character above a blank, stepping over double-byte characters as units: its byte
// when it is single-byte, else 0.
char LastVisible(const std::string &line) {
    char last = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (ShiftJis::IsLeadByte(c) && i + 1 < line.size()) {
            last = 0;
            ++i;
        } else if (c > 0x20) {
            last = static_cast<char>(c);
        }
    }
    return last;
}

// Whether a "(" follows from position on, after blanks, before the caret.
bool OpensParenthesis(const Vessary &view, Position position, Position caret) {
    while (position < caret && IsBlank(static_cast<char>(view.GetCharAt(position))))
        ++position;
    return position < caret && view.GetCharAt(position) == '(';
}

// The asterisk of a label, or one typed alone before the caret to ask for labels.
bool IsLabelAsterisk(Vessary &view, Position asterisk, bool alone) {
    view.EnsureStyledTo(asterisk + 1);
    const int style = view.GetStyleAt(asterisk);
    return alone || style == VSHSP_LABEL || style == VSHSP_LABELREF;
}

// A copy of the text [start, end) that fits a word buffer without splitting a character.
void CopyWord(const Vessary &view, Position start, Position end, char (&word)[64]) {
    const std::string text = view.GetTextRange(start, end);
    const size_t length = ShiftJis::WholeLength(text.data(), text.size() < sizeof word - 1 ? text.size() : sizeof word - 1);
    std::memcpy(word, text.data(), length);
    word[length] = '\0';
}

}

TypingAids TypingAids::For(Document &document, CompletionSource *source) {
    return TypingAids(document, TypingSettings::From(System::Get().Settings().Common()),
                      KeywordTables::Shared().CodeTips(document.inProject), source);
}

TypingSettings TypingSettings::From(const LexerCommon &common) {
    TypingSettings settings;
    settings.autoIndent = common.enableAutoIndent;
    settings.indentBySpace = common.indentBySpace;
    settings.indentSize = common.indentSize;
    settings.codeTipByKeyboard = common.allowCodetipByKeyboard;
    settings.codeTipByMouse = common.allowCodetipByMouse;
    return settings;
}

void TypingAids::CharAdded(int character) {
    switch (character) {
    case '\n':
        if (settings_.autoIndent)
            AutoIndent();
        break;
    case ' ':
    case '(':
    case ')':
    case ',':
    case ':':
        if (settings_.codeTipByKeyboard)
            CallTip(false);
        break;
    case '}':
        if (settings_.codeTipByKeyboard)
            CallTip(false);
        if (settings_.autoIndent)
            BraceOutdent();
        break;
    default:
        break;
    }
}

std::string TypingAids::IndentUnit() const {
    if (!settings_.indentBySpace)
        return "\t";
    return std::string(settings_.indentSize > 0 ? static_cast<size_t>(settings_.indentSize) : 0, ' ');
}

void TypingAids::AutoIndent() {
    Vessary &view = document_;
    const Position line = view.LineFromPosition(view.GetCurrentPos());
    if (line <= 0 || view.LineLength(line) >= 3 || view.LineLength(line - 1) >= longestIndentedLine)
        return;
    const std::string previous = view.GetLine(line - 1);
    std::string indent;
    size_t blanks = 0;
    bool blanksOnly = false;
    if (IsLabelLine(previous)) {
        indent = IndentUnit();
    } else {
        while (blanks < previous.size() && IsBlank(previous[blanks]))
            ++blanks;
        indent = previous.substr(0, blanks);
        blanksOnly = blanks > 0 && previous.find_first_not_of("\r\n", blanks) == std::string::npos;
        if (!blanksOnly && LastVisible(previous) == '{')
            indent += IndentUnit();
    }
    UndoGroup group(view);
    if (blanksOnly) {
        // The blanks move down to the new line; the line they were on keeps its line end.
        const Position start = view.PositionFromLine(line - 1);
        view.SetTargetStart(start);
        view.SetTargetEnd(start + static_cast<Position>(blanks));
        view.ReplaceTarget("", 0);
    }
    if (!indent.empty())
        view.ReplaceSel(indent.c_str());
}

void TypingAids::BraceOutdent() {
    Vessary &view = document_;
    const Position line = view.LineFromPosition(view.GetCurrentPos());
    const Position length = view.LineLength(line);
    if (length < 2 || length > longestOutdentedLine)
        return;
    const std::string text = view.GetLine(line);
    size_t stripped = text.size();
    while (stripped > 0 && static_cast<unsigned char>(text[stripped - 1]) <= 0x20)
        --stripped;
    // The brace must be a character of its own, not the second byte of a double-byte one.
    if (stripped == 0 || text[stripped - 1] != '}' || ShiftJis::WholeLength(text.data(), stripped - 1) != stripped - 1)
        return;
    std::string head = text.substr(0, stripped - 1);
    if (!settings_.indentBySpace) {
        if (head.empty() || head.back() != '\t')
            return;
        head.pop_back();
    } else {
        const size_t size = settings_.indentSize > 0 ? static_cast<size_t>(settings_.indentSize) : 0;
        if (size == 0 || head.size() < size || head.compare(head.size() - size, size, std::string(size, ' ')) != 0)
            return;
        head.resize(head.size() - size);
    }
    head += '}';
    const Position start = view.PositionFromLine(line);
    view.SetAnchor(start);
    view.SetCurrentPos(start + static_cast<Position>(stripped));
    view.ReplaceSel(head.c_str());
}

const CodeTip *TypingAids::Lookup(const char *word, bool again) const {
    auto found = tips_.find(word);
    if (found != tips_.end())
        return &found->second;
    // HSP names are case-insensitive; the tables hold them in lower case. "mes@hsp" names mes
    // of the module hsp: the tip is the name's.
    std::string lower = ShiftJis::LowerAscii(word);
    const int at = ShiftJis::FindLast(lower.c_str(), static_cast<int>(lower.size()), '@');
    if (at > 0)
        lower.resize(static_cast<size_t>(at));
    found = tips_.find(lower);
    if (found != tips_.end())
        return &found->second;
    return source_ ? source_->CallTip(document_, word, again) : nullptr;
}

void TypingAids::CallTip(bool fromMenu) {
    Document &view = document_;
    view.callTipByMouse = false;
    view.callTipArgument = 0;
    if (view.GetLexer() != hspLexer)
        return;
    const Position caret = view.GetCurrentPos();
    const Position line = view.LineFromPosition(caret);
    const Position lineStart = view.PositionFromLine(line);
    view.EnsureStyledTo(caret);
    const bool shown = view.CallTipActive();

    struct Call {
        int style;
        Position start;
        Position end;
        int argument;
    };
    std::vector<Call> calls;
    Position at = lineStart;
    // A name the script defines is a plain identifier: it is a call where a statement starts
    // (a command) or before "(" (a function).
    bool statementStart = true;
    while (at < caret) {
        const int style = view.GetStyleAt(at);
        if (style == commandStyle || style == functionStyle || style == identifierStyle || style == userStyle) {
            Position end = at;
            while (end < caret && view.GetStyleAt(end) == style)
                ++end;
            const bool called =
                style == commandStyle || style == functionStyle || statementStart || OpensParenthesis(view, end, caret);
            statementStart = false;
            if (!called) {
                at = end;
                continue;
            }
            calls.push_back({style, at, end, 0});
            at = end;
            if (style != commandStyle) {
                // The function's own "(" opens its arguments, not a nested group.
                Position open = at;
                while (open < caret && IsBlank(static_cast<char>(view.GetCharAt(open))))
                    ++open;
                if (open < caret && view.GetCharAt(open) == '(')
                    at = open + 1;
            }
            continue;
        }
        if (style != VSHSP_DEFAULT)
            statementStart = false;
        if (style == operatorStyle) {
            switch (view.GetCharAt(at)) {
            case '{':
                statementStart = true;
                break;
            case '}':
            case ':':
                calls.clear();
                statementStart = true;
                break;
            case '(':
                calls.push_back({parenthesis, at, at + 1, 0});
                break;
            case ')':
                if (!calls.empty())
                    calls.pop_back();
                break;
            case ',':
                if (!calls.empty())
                    ++calls.back().argument;
                break;
            default:
                break;
            }
        }
        ++at;
    }

    if (shown)
        view.CallTipCancel();
    if (calls.empty() || calls.back().style == parenthesis)
        return;
    const Call &call = calls.back();
    CopyWord(view, call.start, call.end, view.callTipWord);
    const CodeTip *tip = Lookup(view.callTipWord, false);
    if (!tip)
        return;
    view.CallTipShow(caret > 0 ? caret - 1 : 0, tip->text.c_str());
    view.callTipPosition = fromMenu ? -1 : caret;
    view.callTipArgument = call.argument;
}

void TypingAids::UpdateUi() {
    Document &view = document_;
    if (view.callTipPosition < 1 || !view.CallTipActive())
        return;
    if (view.GetCurrentPos() < view.callTipPosition) {
        view.CallTipCancel();
        return;
    }
    const CodeTip *tip = Lookup(view.callTipWord, true);
    if (tip && view.callTipArgument >= 0 && static_cast<size_t>(view.callTipArgument) < tip->ranges.size()) {
        const auto &range = tip->ranges[static_cast<size_t>(view.callTipArgument)];
        view.CallTipSetHlt(range.first, range.second);
    } else {
        view.CallTipSetHlt(0, 0);
    }
}

void TypingAids::DwellStart(Position position) {
    Document &view = document_;
    if (!settings_.codeTipByMouse || position < 0 || view.GetLexer() != hspLexer || view.CallTipActive())
        return;
    Position start = view.WordStartPosition(position, true);
    const Position end = view.WordEndPosition(position, true);
    if (start == end)
        return;
    // Directives are looked up with their "#".
    if (start > 0 && view.GetCharAt(start - 1) == '#')
        --start;
    CopyWord(view, start, end, view.callTipWord);
    const CodeTip *tip = Lookup(view.callTipWord, false);
    if (!tip)
        return;
    view.CallTipShow(position, tip->text.c_str());
    view.callTipPosition = position;
    view.callTipByMouse = true;
}

void TypingAids::DwellEnd() {
    Document &view = document_;
    if (!view.callTipByMouse)
        return;
    view.CallTipCancel();
    view.callTipByMouse = false;
}

void TypingAids::CodeComplete(Vessary &view, const std::string &list) {
    if (view.AutocActive() || list.empty())
        return;
    const Position caret = view.GetCurrentPos();
    const Position end = view.WordEndPosition(caret, true);
    Position start = view.WordStartPosition(caret, true);
    start = start < end ? start : end;
    if (start > 0 && view.GetCharAt(start - 1) == '*' && IsLabelAsterisk(view, start - 1, start == caret))
        --start;
    view.AutocShow(caret - start, list.c_str());
}
