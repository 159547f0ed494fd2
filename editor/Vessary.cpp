#include "editor/Vessary.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "Scintilla.h"

#include "editor/EditControlId.h"
#include "framework/TextInk.h"
#include "settings/LexerCommon.h"
#include "settings/SystemColor.h"
#include "vessary/VessaryMessages.h"

namespace {

Vessary::DirectFunction sharedDirectFunction;

// Typing one of these closes the completion list.
const char completionStops[] = "!#$%'~^`@ :;,.=&|\\\"0123456789{[(<>)]}+-*/";

const int edgeColumn = 253;
const int scrollWidth = 2048;
const int selectionAlpha = 96;
const int completionRows = 7;
const int dwellTime = 750;
const int noDwell = 10000000;
// How far, in pixels, the text size may move for the underscore to be drawn.
const int underscoreReach = 3;

// The pixel height nearest to pixels, the smaller first, at which the face draws "_"; pixels
// itself when it does or when none near does. Some faces draw no underscore at some sizes, and
// room added below the lines does not bring it back: the glyph itself is missing.
int UnderscoreHeight(const char *face, int pixels) {
    if (TextInk::Draws(face, pixels, "_"))
        return pixels;
    for (int step = 1; step <= underscoreReach; ++step) {
        for (const int height : {pixels - step, pixels + step}) {
            if (height > 0 && TextInk::Draws(face, height, "_"))
                return height;
        }
    }
    return pixels;
}

// The default style's size in hundredths of a point: font_size, moved to the nearest size that
// shows underscores (MAX_COUNT showed as MAX COUNT). Worked out once per face and size.
int TextSize(const char *face, int points) {
    static std::map<std::pair<std::string, int>, int> known;
    const auto key = std::make_pair(std::string(face), points);
    const auto found = known.find(key);
    if (found != known.end())
        return found->second;
    const int perInch = TextInk::PixelsPerInch();
    const int pixels = MulDiv(points, perInch, 72);
    const int height = pixels > 0 ? UnderscoreHeight(face, pixels) : pixels;
    const int size = height == pixels ? points * 100 : MulDiv(height, 7200, perInch);
    known.emplace(key, size);
    return size;
}

}

Vessary::~Vessary() { Vessary::Destroy(); }

void Vessary::Destroy() {
    Window::Destroy();
    directPointer_ = 0;
    Reset();
}

void Vessary::Reset() {
    index_ = -1;
    modified_ = 0;
}

bool Vessary::Create(HWND parent, int index, void *param) {
    if (!Window::Create(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, "Scintilla", "", WS_CHILD, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditControlId)), GetModuleHandleA(nullptr), param))
        return false;
    index_ = index;
    directPointer_ = SendMessageA(GetHandle(), SCI_GETDIRECTPOINTER, 0, 0);
    if (!sharedDirectFunction)
        sharedDirectFunction = reinterpret_cast<DirectFunction>(SendMessageA(GetHandle(), SCI_GETDIRECTFUNCTION, 0, 0));
    return true;
}

Vessary::Position Vessary::PositionFromPoint(int x, int y) {
    return Send(SCI_POSITIONFROMPOINTCLOSE, static_cast<uintptr_t>(x), y);
}

Vessary::DirectFunction Vessary::SharedDirectFunction() { return sharedDirectFunction; }

intptr_t Vessary::Send(unsigned int message, uintptr_t wParam, intptr_t lParam) const {
    if (!directPointer_ || !sharedDirectFunction)
        return 0;
    return sharedDirectFunction(directPointer_, message, wParam, lParam);
}

void Vessary::ApplyBaseConfiguration() {
    SetCodePage(932);
    SetCharsDefault();
    SetMarginTypeN(1, SC_MARGIN_SYMBOL);
    SetMarginTypeN(2, SC_MARGIN_NUMBER);
    SetMarginTypeN(3, SC_MARGIN_FORE);
    SetMarginLeft(4);
    SetMarginRight(0);
    SetMarginWidthN(1, 12);
    SetMarginWidthN(3, 1);
    SetYCaretPolicy(CARET_EVEN, 0);
    SetCaretLineVisible(true);
    SetSelEolFilled(false);
    SetSelAlpha(selectionAlpha);
    SetEdgeMode(EDGE_LINE);
    SetEdgeColumn(edgeColumn);
    SetEdgeColour(Colors::Red);
    SetScrollWidth(scrollWidth);
    AutocSetMaxHeight(completionRows);
    AutocSetAutoHide(false);
    AutocSetCancelAtStart(false);
    AutocSetIgnoreCase(true);
    AutocStops(completionStops);
    CallTipSetFore(Colors::PaleGoldenRod);
    CallTipSetBack(Colors::DarkSlateGray);
    CallTipSetForeHlt(Colors::Yellow);
    UsePopup(false);
}

void Vessary::ApplyDefaultStyle(const LexerCommon &settings, const SystemColor &colors) {
    StyleSetFore(STYLE_DEFAULT, colors.Lookup(settings.fontColor));
    StyleSetBack(STYLE_DEFAULT, colors.Lookup(settings.backColor));
    StyleSetSizeFractional(STYLE_DEFAULT, TextSize(settings.fontFace, settings.fontSize));
    StyleSetFont(STYLE_DEFAULT, settings.fontFace);
    StyleClearAll();
}

void Vessary::ApplyEditorSettings(const LexerCommon &settings, const SystemColor &colors) {
    const COLORREF back = colors.Lookup(settings.backColor);
    StyleSetFore(STYLE_LINENUMBER, colors.Lookup(settings.sideRulerFontColor));
    StyleSetBack(STYLE_LINENUMBER, back);
    StyleSetFore(STYLE_FOLDDISPLAYTEXT, colors.Lookup(settings.sideRulerBorderColor));
    SetViewWs(settings.indentViewType == 0   ? SCWS_INVISIBLE
              : settings.indentViewType == 1 ? SCWS_VISIBLEAFTERINDENT
                                             : SCWS_VISIBLEALWAYS);
    SetWhitespaceFore(true, colors.Lookup(settings.tabAndSpaceFontColor));
    SetSpaceVisible(settings.spaceVisible);
    SetTabWidth(settings.indentSize);
    SetUseTabs(!settings.indentBySpace);
    SetCaretFore(colors.Lookup(settings.sideCarretColor));
    SetCaretWidth(settings.sideCarretWidth);
    SetCaretPeriod(settings.sideCarretSpeed);
    SetCaretLineBack(colors.Lookup(settings.overCarretColor));
    SetCaretLineBackAlpha(settings.overCarretOpacity * 255 / 100);
    SetMarginWidthN(2, settings.sideRulerWidth);
    SetSelFore(true, back ^ 0xFFFFFF);
    SetSelBack(true, back ^ 0xFFFFFF);
    SetMouseDwellTime(settings.allowCodetipByMouse ? dwellTime : noDwell);
    SetHScrollBar(settings.horizontalScrollbarVisible);
    SetVScrollBar(settings.verticalScrollbarVisible);
}

void Vessary::AddText(const char *text, Position length) { Send(SCI_ADDTEXT, static_cast<uintptr_t>(length), text); }
void Vessary::InsertText(Position position, const char *text) { Send(SCI_INSERTTEXT, static_cast<uintptr_t>(position), text); }
void Vessary::ClearAll() { Send(SCI_CLEARALL); }
void Vessary::SetText(const char *text) { Send(SCI_SETTEXT, 0, text); }

std::string Vessary::GetText() const {
    const Position length = GetLength();
    // The control copies the bytes asked for and a terminating zero.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETTEXT, static_cast<uintptr_t>(length), &text[0]);
    text.resize(static_cast<size_t>(length));
    return text;
}

const char *Vessary::CharacterPointer() const { return reinterpret_cast<const char *>(Send(SCI_GETCHARACTERPOINTER)); }

Vessary::Position Vessary::GetTextLength() const { return Send(SCI_GETTEXTLENGTH); }
Vessary::Position Vessary::GetLength() const { return Send(SCI_GETLENGTH); }
int Vessary::GetCharAt(Position position) const { return static_cast<int>(Send(SCI_GETCHARAT, static_cast<uintptr_t>(position))); }
int Vessary::GetStyleAt(Position position) const { return static_cast<int>(Send(SCI_GETSTYLEAT, static_cast<uintptr_t>(position))); }

std::string Vessary::GetStyles(Position start, Position end) const {
    if (end <= start)
        return std::string();
    // Byte and style in turn, then two terminating zeros.
    std::string styled(2 * static_cast<size_t>(end - start) + 2, '\0');
    Sci_TextRangeFull range{{start, end}, &styled[0]};
    Send(SCI_GETSTYLEDTEXTFULL, 0, &range);
    std::string styles(static_cast<size_t>(end - start), '\0');
    for (size_t i = 0; i < styles.size(); ++i)
        styles[i] = styled[2 * i + 1];
    return styles;
}

void Vessary::GetStyledText(Position start, Position end, std::string &text, std::string &styles) const {
    text.clear();
    styles.clear();
    start = start < 0 ? 0 : start;
    end = end < 0 ? GetLength() : (std::min)(end, GetLength());
    if (end <= start)
        return;
    // The control writes byte and style pairs and two terminating zeros.
    const size_t length = static_cast<size_t>(end - start);
    std::string cells(2 * length + 2, '\0');
    Sci_TextRangeFull range{{start, end}, &cells[0]};
    const size_t written = static_cast<size_t>(Send(SCI_GETSTYLEDTEXTFULL, 0, &range)) / 2;
    text.resize(written);
    styles.resize(written);
    for (size_t i = 0; i < written; ++i) {
        text[i] = cells[2 * i];
        styles[i] = cells[2 * i + 1];
    }
}

std::string Vessary::GetLine(Position line) const {
    const Position length = LineLength(line);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETLINE, static_cast<uintptr_t>(line), &text[0]);
    text.resize(static_cast<size_t>(length));
    return text;
}

Vessary::Position Vessary::LineLength(Position line) const { return Send(SCI_LINELENGTH, static_cast<uintptr_t>(line)); }

std::string Vessary::GetTextRange(Position start, Position end) const {
    const Position length = GetLength();
    start = start < 0 ? 0 : (start > length ? length : start);
    end = (end < 0 || end > length) ? length : end;
    if (end <= start)
        return std::string();
    std::string text(static_cast<size_t>(end - start) + 1, '\0');
    Sci_TextRangeFull range{{start, end}, &text[0]};
    Send(SCI_GETTEXTRANGEFULL, 0, &range);
    text.resize(static_cast<size_t>(end - start));
    return text;
}

std::string Vessary::GetSelText() const {
    const Position length = Send(SCI_GETSELTEXT, 0, intptr_t{0});
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(SCI_GETSELTEXT, 0, &text[0]);
    text.resize(static_cast<size_t>(length));
    return text;
}

void Vessary::ReplaceSel(const char *text) { Send(SCI_REPLACESEL, 0, text); }

Vessary::Position Vessary::GetCurrentPos() const { return Send(SCI_GETCURRENTPOS); }
void Vessary::SetCurrentPos(Position position) { Send(SCI_SETCURRENTPOS, static_cast<uintptr_t>(position)); }
Vessary::Position Vessary::GetAnchor() const { return Send(SCI_GETANCHOR); }
void Vessary::SetAnchor(Position position) { Send(SCI_SETANCHOR, static_cast<uintptr_t>(position)); }
Vessary::Position Vessary::GetSelectionStart() const { return Send(SCI_GETSELECTIONSTART); }
Vessary::Position Vessary::GetSelectionEnd() const { return Send(SCI_GETSELECTIONEND); }
void Vessary::SetSelectionStart(Position position) { Send(SCI_SETSELECTIONSTART, static_cast<uintptr_t>(position)); }
void Vessary::SetSelectionEnd(Position position) { Send(SCI_SETSELECTIONEND, static_cast<uintptr_t>(position)); }
void Vessary::SelectAll() { Send(SCI_SELECTALL); }
void Vessary::GotoLine(Position line) { Send(SCI_GOTOLINE, static_cast<uintptr_t>(line)); }
void Vessary::GotoPos(Position position) { Send(SCI_GOTOPOS, static_cast<uintptr_t>(position)); }
void Vessary::ScrollCaret() { Send(SCI_SCROLLCARET); }
Vessary::Position Vessary::LineFromPosition(Position position) const { return Send(SCI_LINEFROMPOSITION, static_cast<uintptr_t>(position)); }
Vessary::Position Vessary::PositionFromLine(Position line) const { return Send(SCI_POSITIONFROMLINE, static_cast<uintptr_t>(line)); }
Vessary::Position Vessary::GetLineEndPosition(Position line) const { return Send(SCI_GETLINEENDPOSITION, static_cast<uintptr_t>(line)); }
Vessary::Position Vessary::GetLineCount() const { return Send(SCI_GETLINECOUNT); }
Vessary::Position Vessary::WordStartPosition(Position position, bool onlyWordCharacters) const {
    return Send(SCI_WORDSTARTPOSITION, static_cast<uintptr_t>(position), onlyWordCharacters);
}

void Vessary::Allocate(Position bytes) { Send(SCI_ALLOCATE, static_cast<uintptr_t>(bytes)); }
void Vessary::AllocateLines(Position lines) { Send(SCI_ALLOCATELINES, static_cast<uintptr_t>(lines)); }

void Vessary::SetUndoCollection(bool collect) { Send(SCI_SETUNDOCOLLECTION, collect ? 1 : 0); }
int Vessary::GetStatus() const { return static_cast<int>(Send(SCI_GETSTATUS)); }
void Vessary::SetStatus(int status) { Send(SCI_SETSTATUS, static_cast<uintptr_t>(status)); }
Vessary::Position Vessary::WordEndPosition(Position position, bool onlyWordCharacters) const {
    return Send(SCI_WORDENDPOSITION, static_cast<uintptr_t>(position), onlyWordCharacters);
}
Vessary::Position Vessary::PositionAfter(Position position) const { return Send(SCI_POSITIONAFTER, static_cast<uintptr_t>(position)); }
Vessary::Position Vessary::PositionBefore(Position position) const { return Send(SCI_POSITIONBEFORE, static_cast<uintptr_t>(position)); }
void Vessary::LineEnd() { Send(SCI_LINEEND); }
void Vessary::VCHome() { Send(SCI_VCHOME); }
bool Vessary::GetOvertype() const { return Send(SCI_GETOVERTYPE) != 0; }
bool Vessary::GetFocus() const { return Send(SCI_GETFOCUS) != 0; }
void Vessary::GrabFocus() { Send(SCI_GRABFOCUS); }
void Vessary::SetYCaretPolicy(int policy, int slop) { Send(SCI_SETYCARETPOLICY, static_cast<uintptr_t>(policy), slop); }

void Vessary::SetTargetStart(Position position) { Send(SCI_SETTARGETSTART, static_cast<uintptr_t>(position)); }
void Vessary::SetTargetEnd(Position position) { Send(SCI_SETTARGETEND, static_cast<uintptr_t>(position)); }
Vessary::Position Vessary::GetTargetEnd() const { return Send(SCI_GETTARGETEND); }
void Vessary::SetSearchFlags(int flags) { Send(SCI_SETSEARCHFLAGS, static_cast<uintptr_t>(flags)); }
Vessary::Position Vessary::SearchInTarget(const char *text, Position length) {
    return Send(SCI_SEARCHINTARGET, static_cast<uintptr_t>(length), text);
}
Vessary::Position Vessary::ReplaceTarget(const char *text, Position length) {
    return Send(SCI_REPLACETARGET, static_cast<uintptr_t>(length), text);
}

Vessary::Position Vessary::FindText(int flags, Position start, Position end, const char *text, Position *matchEnd) const {
    Sci_TextToFindFull find{{start, end}, text, {0, 0}};
    const Position found = Send(SCI_FINDTEXTFULL, static_cast<uintptr_t>(flags), &find);
    if (matchEnd)
        *matchEnd = found < 0 ? -1 : find.chrgText.cpMax;
    return found;
}

void Vessary::BeginUndoAction() { Send(SCI_BEGINUNDOACTION); }
void Vessary::EndUndoAction() { Send(SCI_ENDUNDOACTION); }
void Vessary::Undo() { Send(SCI_UNDO); }
void Vessary::Redo() { Send(SCI_REDO); }
bool Vessary::CanUndo() const { return Send(SCI_CANUNDO) != 0; }
bool Vessary::CanRedo() const { return Send(SCI_CANREDO) != 0; }
bool Vessary::CanPaste() const { return Send(SCI_CANPASTE) != 0; }
void Vessary::Cut() { Send(SCI_CUT); }
void Vessary::Copy() { Send(SCI_COPY); }
void Vessary::Paste() { Send(SCI_PASTE); }
void Vessary::EmptyUndoBuffer() { Send(SCI_EMPTYUNDOBUFFER); }
void Vessary::SetSavePoint() { Send(SCI_SETSAVEPOINT); }
void Vessary::SetReadOnly(bool readOnly) { Send(SCI_SETREADONLY, readOnly); }
bool Vessary::GetReadOnly() const { return Send(SCI_GETREADONLY) != 0; }
void Vessary::ConvertEols(int mode) { Send(SCI_CONVERTEOLS, static_cast<uintptr_t>(mode)); }
void Vessary::LowerCase() { Send(SCI_LOWERCASE); }
void Vessary::UpperCase() { Send(SCI_UPPERCASE); }

void *Vessary::GetDocPointer() const { return reinterpret_cast<void *>(Send(SCI_GETDOCPOINTER)); }
void Vessary::SetDocPointer(void *document) { Send(SCI_SETDOCPOINTER, 0, document); }

void Vessary::SetCodePage(int codePage) { Send(SCI_SETCODEPAGE, static_cast<uintptr_t>(codePage)); }
void Vessary::StyleClearAll() { Send(SCI_STYLECLEARALL); }
void Vessary::StyleSetFore(int style, COLORREF color) { Send(SCI_STYLESETFORE, static_cast<uintptr_t>(style), static_cast<intptr_t>(color)); }
void Vessary::StyleSetBack(int style, COLORREF color) { Send(SCI_STYLESETBACK, static_cast<uintptr_t>(style), static_cast<intptr_t>(color)); }
void Vessary::StyleSetSize(int style, int points) { Send(SCI_STYLESETSIZE, static_cast<uintptr_t>(style), points); }
void Vessary::StyleSetSizeFractional(int style, int hundredths) {
    Send(SCI_STYLESETSIZEFRACTIONAL, static_cast<uintptr_t>(style), hundredths);
}
void Vessary::StyleSetFont(int style, const char *face) { Send(SCI_STYLESETFONT, static_cast<uintptr_t>(style), face); }
COLORREF Vessary::StyleGetFore(int style) const { return static_cast<COLORREF>(Send(SCI_STYLEGETFORE, static_cast<uintptr_t>(style))); }
void Vessary::SetSelFore(bool use, COLORREF color) { Send(SCI_SETSELFORE, use, static_cast<intptr_t>(color)); }
void Vessary::SetSelBack(bool use, COLORREF color) { Send(SCI_SETSELBACK, use, static_cast<intptr_t>(color)); }
void Vessary::SetSelAlpha(int alpha) { Send(SCI_SETSELALPHA, static_cast<uintptr_t>(alpha)); }
void Vessary::SetSelEolFilled(bool filled) { Send(SCI_SETSELEOLFILLED, filled); }
void Vessary::SetCaretFore(COLORREF color) { Send(SCI_SETCARETFORE, color); }
void Vessary::SetCaretPeriod(int milliseconds) { Send(SCI_SETCARETPERIOD, static_cast<uintptr_t>(milliseconds)); }
void Vessary::SetCaretWidth(int pixels) { Send(SCI_SETCARETWIDTH, static_cast<uintptr_t>(pixels)); }
void Vessary::SetCaretLineVisible(bool visible) { Send(SCI_SETCARETLINEVISIBLE, visible); }
void Vessary::SetCaretLineBack(COLORREF color) { Send(SCI_SETCARETLINEBACK, color); }
void Vessary::SetCaretLineBackAlpha(int alpha) { Send(SCI_SETCARETLINEBACKALPHA, static_cast<uintptr_t>(alpha)); }
void Vessary::SetViewWs(int mode) { Send(SCI_SETVIEWWS, static_cast<uintptr_t>(mode)); }
void Vessary::SetWhitespaceFore(bool use, COLORREF color) { Send(SCI_SETWHITESPACEFORE, use, static_cast<intptr_t>(color)); }
void Vessary::SetTabWidth(int width) { Send(SCI_SETTABWIDTH, static_cast<uintptr_t>(width)); }
void Vessary::SetUseTabs(bool useTabs) { Send(SCI_SETUSETABS, useTabs); }
void Vessary::SetHScrollBar(bool visible) { Send(SCI_SETHSCROLLBAR, visible); }
void Vessary::SetVScrollBar(bool visible) { Send(SCI_SETVSCROLLBAR, visible); }
void Vessary::SetScrollWidth(int pixels) { Send(SCI_SETSCROLLWIDTH, static_cast<uintptr_t>(pixels)); }
void Vessary::SetMarginTypeN(int margin, int type) { Send(SCI_SETMARGINTYPEN, static_cast<uintptr_t>(margin), type); }
void Vessary::SetMarginWidthN(int margin, int pixels) { Send(SCI_SETMARGINWIDTHN, static_cast<uintptr_t>(margin), pixels); }
void Vessary::SetMarginLeft(int pixels) { Send(SCI_SETMARGINLEFT, 0, pixels); }
void Vessary::SetMarginRight(int pixels) { Send(SCI_SETMARGINRIGHT, 0, pixels); }
void Vessary::SetEdgeMode(int mode) { Send(SCI_SETEDGEMODE, static_cast<uintptr_t>(mode)); }
void Vessary::SetEdgeColumn(int column) { Send(SCI_SETEDGECOLUMN, static_cast<uintptr_t>(column)); }
void Vessary::SetEdgeColour(COLORREF color) { Send(SCI_SETEDGECOLOUR, color); }
void Vessary::UsePopup(bool use) { Send(SCI_USEPOPUP, use ? SC_POPUP_ALL : SC_POPUP_NEVER); }
void Vessary::SetMouseDwellTime(int milliseconds) { Send(SCI_SETMOUSEDWELLTIME, static_cast<uintptr_t>(milliseconds)); }
void Vessary::SetWordChars(const char *characters) { Send(SCI_SETWORDCHARS, 0, characters); }
void Vessary::SetCharsDefault() { Send(SCI_SETCHARSDEFAULT); }
void Vessary::SetSpaceVisible(bool visible) { Send(VSM_SETSPACEVISIBLE, visible); }

void Vessary::SetLexer(int lexer) { Send(SCI_SETLEXER, static_cast<uintptr_t>(lexer)); }
int Vessary::GetLexer() const { return static_cast<int>(Send(SCI_GETLEXER)); }
void Vessary::SetKeywords(int set, const char *words) { Send(SCI_SETKEYWORDS, static_cast<uintptr_t>(set), words); }
void Vessary::Colourise(Position start, Position end) { Send(SCI_COLOURISE, static_cast<uintptr_t>(start), end); }
Vessary::Position Vessary::GetEndStyled() const { return Send(SCI_GETENDSTYLED); }

void Vessary::SetModEventMask(int mask) { Send(SCI_SETMODEVENTMASK, static_cast<uintptr_t>(mask)); }
int Vessary::GetModEventMask() const { return static_cast<int>(Send(SCI_GETMODEVENTMASK)); }

void Vessary::EnsureStyledTo(Position position) {
    const Position styled = GetEndStyled();
    if (styled < position)
        Colourise(PositionFromLine(LineFromPosition(styled)), position);
}

void Vessary::AutocShow(Position lengthEntered, const char *list) { Send(SCI_AUTOCSHOW, static_cast<uintptr_t>(lengthEntered), list); }
bool Vessary::AutocActive() const { return Send(SCI_AUTOCACTIVE) != 0; }
void Vessary::AutocCancel() { Send(SCI_AUTOCCANCEL); }
void Vessary::AutocStops(const char *characters) { Send(SCI_AUTOCSTOPS, 0, characters); }
void Vessary::AutocSetCancelAtStart(bool cancel) { Send(SCI_AUTOCSETCANCELATSTART, cancel); }
void Vessary::AutocSetIgnoreCase(bool ignore) { Send(SCI_AUTOCSETIGNORECASE, ignore); }
void Vessary::AutocSetAutoHide(bool autoHide) { Send(SCI_AUTOCSETAUTOHIDE, autoHide); }
void Vessary::AutocSetMaxHeight(int rows) { Send(SCI_AUTOCSETMAXHEIGHT, static_cast<uintptr_t>(rows)); }
void Vessary::CallTipShow(Position position, const char *text) { Send(SCI_CALLTIPSHOW, static_cast<uintptr_t>(position), text); }
void Vessary::CallTipCancel() { Send(SCI_CALLTIPCANCEL); }
bool Vessary::CallTipActive() const { return Send(SCI_CALLTIPACTIVE) != 0; }
void Vessary::CallTipSetHlt(Position start, Position end) { Send(SCI_CALLTIPSETHLT, static_cast<uintptr_t>(start), end); }
void Vessary::CallTipSetBack(COLORREF color) { Send(SCI_CALLTIPSETBACK, color); }
void Vessary::CallTipSetFore(COLORREF color) { Send(SCI_CALLTIPSETFORE, color); }
void Vessary::CallTipSetForeHlt(COLORREF color) { Send(SCI_CALLTIPSETFOREHLT, color); }

void Vessary::MarkerDefine(int marker, int symbol) { Send(SCI_MARKERDEFINE, static_cast<uintptr_t>(marker), symbol); }
void Vessary::MarkerSetBack(int marker, COLORREF color) { Send(SCI_MARKERSETBACK, static_cast<uintptr_t>(marker), color); }
int Vessary::MarkerAdd(Position line, int marker) {
    return static_cast<int>(Send(SCI_MARKERADD, static_cast<uintptr_t>(line), marker));
}
void Vessary::MarkerDeleteHandle(int handle) { Send(SCI_MARKERDELETEHANDLE, static_cast<uintptr_t>(handle)); }
Vessary::Position Vessary::MarkerLineFromHandle(int handle) const {
    return Send(SCI_MARKERLINEFROMHANDLE, static_cast<uintptr_t>(handle));
}
void Vessary::AnnotationSetText(Position line, const char *text) { Send(SCI_ANNOTATIONSETTEXT, static_cast<uintptr_t>(line), text); }
void Vessary::AnnotationSetStyle(Position line, int style) { Send(SCI_ANNOTATIONSETSTYLE, static_cast<uintptr_t>(line), style); }
void Vessary::AnnotationSetVisible(int mode) { Send(SCI_ANNOTATIONSETVISIBLE, static_cast<uintptr_t>(mode)); }
void Vessary::AnnotationClearAll() { Send(SCI_ANNOTATIONCLEARALL); }
