// The edit view: one "Scintilla" child window of library\Vessary.dll. Every message to the
// control goes through one typed member below, by the component's direct function (one for the
// whole process, fetched by the first view) with this view's direct pointer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Window.h"

class LexerCommon;
class SystemColor;

class Vessary : public Window {
public:
    using Position = intptr_t;
    using DirectFunction = intptr_t (*)(intptr_t pointer, unsigned int message, uintptr_t wParam, intptr_t lParam);

    Vessary() = default;
    ~Vessary() override;

    // Destroys the control when it still exists, clears the handle, then Reset.
    void Destroy() override;
    // Index -1, not modified.
    virtual void Reset();
    // A hidden child control with no size; the owner shows and sizes it.
    virtual bool Create(HWND parent, int index, void *param);
    // The position of the character nearest the client point, -1 when none is near.
    virtual Position PositionFromPoint(int x, int y);

    // The process's direct function, null until the first view was created.
    static DirectFunction SharedDirectFunction();
    intptr_t DirectPointer() const { return directPointer_; }
    int Index() const { return index_; }
    void SetIndex(int index) { index_ = index; }
    bool IsModified() const { return modified_ != 0; }
    void SetModified(bool modified) { modified_ = modified ? 1 : 0; }

    // Code page 932, margins, caret policy, edge line, scroll width, completion list and call
    // tip appearance: what every view gets before a language is applied.
    void ApplyBaseConfiguration();
    // Style 32 from the editor settings, then every style cleared to it.
    void ApplyDefaultStyle(const LexerCommon &settings, const SystemColor &colors);
    // The rest of the editor settings: line numbers, white space, tabs, caret, selection,
    // margins, scroll bars and mouse dwell. Every colour passes the colour table.
    void ApplyEditorSettings(const LexerCommon &settings, const SystemColor &colors);

    // Text. Getters return the bytes; positions are byte offsets, lines count from 0.
    void AddText(const char *text, Position length);
    void InsertText(Position position, const char *text);
    void ClearAll();
    void SetText(const char *text);
    std::string GetText() const;
    // The whole text in one block, valid until the next change (the gap is moved out of it).
    const char *CharacterPointer() const;
    Position GetTextLength() const;
    Position GetLength() const;
    int GetCharAt(Position position) const;
    int GetStyleAt(Position position) const;
    // The style of each byte of [start, end).
    std::string GetStyles(Position start, Position end) const;
    // The bytes of [start, end) (end -1: to the end) and their style numbers, one per byte.
    void GetStyledText(Position start, Position end, std::string &text, std::string &styles) const;
    // The line with its line end.
    std::string GetLine(Position line) const;
    Position LineLength(Position line) const;
    std::string GetTextRange(Position start, Position end) const;
    std::string GetSelText() const;
    void ReplaceSel(const char *text);
    // Room for a text of this many bytes, so that appending it grows nothing.
    void Allocate(Position bytes);
    // Room in the line index for this many lines, so that adding them grows nothing.
    void AllocateLines(Position lines);
    void SetUndoCollection(bool collect);
    // SC_STATUS_OK, or the failure (SC_STATUS_BADALLOC) the component met since it was reset.
    int GetStatus() const;
    void SetStatus(int status);

    // Caret, selection, lines.
    Position GetCurrentPos() const;
    void SetCurrentPos(Position position);
    Position GetAnchor() const;
    void SetAnchor(Position position);
    Position GetSelectionStart() const;
    Position GetSelectionEnd() const;
    void SetSelectionStart(Position position);
    void SetSelectionEnd(Position position);
    void SelectAll();
    void GotoLine(Position line);
    void GotoPos(Position position);
    void ScrollCaret();
    Position LineFromPosition(Position position) const;
    Position PositionFromLine(Position line) const;
    Position GetLineEndPosition(Position line) const;
    Position GetLineCount() const;
    Position WordStartPosition(Position position, bool onlyWordCharacters) const;
    Position WordEndPosition(Position position, bool onlyWordCharacters) const;
    // The start of the next or previous character (a double-byte character or CR LF is one).
    Position PositionAfter(Position position) const;
    Position PositionBefore(Position position) const;
    void LineEnd();
    void VCHome();
    bool GetOvertype() const;
    bool GetFocus() const;
    void GrabFocus();
    void SetYCaretPolicy(int policy, int slop);

    // Search.
    void SetTargetStart(Position position);
    void SetTargetEnd(Position position);
    Position GetTargetEnd() const;
    void SetSearchFlags(int flags);
    // The start of the match in the target, or -1.
    Position SearchInTarget(const char *text, Position length);
    // The length of the replacement.
    Position ReplaceTarget(const char *text, Position length);
    // The start of the first match in [start, end) (backwards when end < start), or -1; the
    // match's end goes to matchEnd.
    Position FindText(int flags, Position start, Position end, const char *text, Position *matchEnd = nullptr) const;

    // Undo, clipboard, state.
    void BeginUndoAction();
    void EndUndoAction();
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    bool CanPaste() const;
    void Cut();
    void Copy();
    void Paste();
    void EmptyUndoBuffer();
    void SetSavePoint();
    void SetReadOnly(bool readOnly);
    bool GetReadOnly() const;
    void ConvertEols(int mode);
    void LowerCase();
    void UpperCase();

    // The text shared between views (a split pane shows its document's).
    void *GetDocPointer() const;
    void SetDocPointer(void *document);

    // Appearance. Colours are 0x00BBGGRR.
    void SetCodePage(int codePage);
    void StyleClearAll();
    void StyleSetFore(int style, COLORREF color);
    void StyleSetBack(int style, COLORREF color);
    void StyleSetSize(int style, int points);
    void StyleSetSizeFractional(int style, int hundredths);
    void StyleSetFont(int style, const char *face);
    COLORREF StyleGetFore(int style) const;
    void SetSelFore(bool use, COLORREF color);
    void SetSelBack(bool use, COLORREF color);
    void SetSelAlpha(int alpha);
    void SetSelEolFilled(bool filled);
    void SetCaretFore(COLORREF color);
    void SetCaretPeriod(int milliseconds);
    void SetCaretWidth(int pixels);
    void SetCaretLineVisible(bool visible);
    void SetCaretLineBack(COLORREF color);
    void SetCaretLineBackAlpha(int alpha);
    void SetViewWs(int mode);
    void SetWhitespaceFore(bool use, COLORREF color);
    void SetTabWidth(int width);
    void SetUseTabs(bool useTabs);
    void SetHScrollBar(bool visible);
    void SetVScrollBar(bool visible);
    void SetScrollWidth(int pixels);
    void SetMarginTypeN(int margin, int type);
    void SetMarginWidthN(int margin, int pixels);
    void SetMarginLeft(int pixels);
    void SetMarginRight(int pixels);
    void SetEdgeMode(int mode);
    void SetEdgeColumn(int column);
    void SetEdgeColour(COLORREF color);
    void UsePopup(bool use);
    void SetMouseDwellTime(int milliseconds);
    void SetWordChars(const char *characters);
    void SetCharsDefault();
    // Shows each full-width space visibly, or not.
    void SetSpaceVisible(bool visible);

    // Colouring.
    void SetLexer(int lexer);
    int GetLexer() const;
    void SetKeywords(int set, const char *words);
    // Styles [start, end); end -1 is the end of the text.
    void Colourise(Position start, Position end);
    // Which changes the view reports to its parent (SCN_MODIFIED); 0: none.
    void SetModEventMask(int mask);
    int GetModEventMask() const;
    // Where the styled text ends: edits lower it to the first changed line.
    Position GetEndStyled() const;
    // Styles whatever is unstyled before position, from the start of the first unstyled line.
    void EnsureStyledTo(Position position);

    // Completion list and call tips.
    void AutocShow(Position lengthEntered, const char *list);
    bool AutocActive() const;
    void AutocCancel();
    void AutocStops(const char *characters);
    void AutocSetCancelAtStart(bool cancel);
    void AutocSetIgnoreCase(bool ignore);
    void AutocSetAutoHide(bool autoHide);
    void AutocSetMaxHeight(int rows);
    void CallTipShow(Position position, const char *text);
    void CallTipCancel();
    bool CallTipActive() const;
    void CallTipSetHlt(Position start, Position end);
    void CallTipSetBack(COLORREF color);
    void CallTipSetFore(COLORREF color);
    void CallTipSetForeHlt(COLORREF color);

    // Markers and annotations (a line shown marked, with a note below it).
    void MarkerDefine(int marker, int symbol);
    void MarkerSetBack(int marker, COLORREF color);
    // A handle that follows the line as text is edited above it.
    int MarkerAdd(Position line, int marker);
    void MarkerDeleteHandle(int handle);
    // The line the marker is on now, -1 when it is gone.
    Position MarkerLineFromHandle(int handle) const;
    void AnnotationSetText(Position line, const char *text);
    void AnnotationSetStyle(Position line, int style);
    void AnnotationSetVisible(int mode);
    void AnnotationClearAll();

protected:
    intptr_t Send(unsigned int message, uintptr_t wParam = 0, intptr_t lParam = 0) const;
    intptr_t Send(unsigned int message, uintptr_t wParam, const void *lParam) const {
        return Send(message, wParam, reinterpret_cast<intptr_t>(lParam));
    }

private:
    int modified_ = 0;
    int index_ = -1;
    intptr_t directPointer_ = 0;
};
