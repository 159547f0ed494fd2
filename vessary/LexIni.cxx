// INI files and project files (301, 310). Line by line: a line whose first non-blank is ";" or
// "#" is a comment; "[" opens a section name that runs to its "]"; otherwise the text before the
// first "=" is the key, the "=" the separator and the rest the value. A line that is none of
// these keeps the default style.
#include <cassert>
#include <cstdlib>

#include <string>
#include <string_view>

#include "ILexer.h"
#include "Scintilla.h"

#include "WordList.h"
#include "LexAccessor.h"
#include "Accessor.h"
#include "LexerModule.h"

#include "LexerLines.h"
#include "OwnLexers.h"
#include "VessaryMessages.h"

using namespace Lexilla;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Styles [start, end): one line without its line end.
void ColouriseIniLine(Sci_PositionU start, Sci_PositionU end, Accessor &styler) {
    Sci_PositionU i = start;
    while (i < end && IsBlank(styler[i]))
        ++i;
    if (i == end)
        return;
    const char first = styler[i];
    if (first == ';' || first == '#') {
        styler.ColourTo(i - 1, VSINI_DEFAULT);
        styler.ColourTo(end - 1, VSINI_COMMENT);
        return;
    }
    if (first == '[') {
        styler.ColourTo(i - 1, VSINI_DEFAULT);
        // "]" (0x5D) is also a Shift-JIS trail byte, so double-byte characters are stepped over.
        Sci_PositionU close = i + 1;
        while (close < end && styler[close] != ']')
            close += (styler.IsLeadByte(styler[close]) && close + 1 < end) ? 2 : 1;
        if (close >= end)
            close = end - 1;
        styler.ColourTo(close, VSINI_SECTION);
        return;
    }
    // "=" is never a trail byte.
    Sci_PositionU equals = i;
    while (equals < end && styler[equals] != '=')
        ++equals;
    if (equals == end)
        return;
    styler.ColourTo(i - 1, VSINI_DEFAULT);
    styler.ColourTo(equals - 1, VSINI_KEY);
    styler.ColourTo(equals, VSINI_SEPARATOR);
    styler.ColourTo(end - 1, VSINI_VALUE);
}

void ColouriseIniDoc(Sci_PositionU startPos, Sci_Position length, int, WordList *[], Accessor &styler) {
    const Sci_PositionU endPos = Vessary::StartAtLineStart(startPos, length, styler);
    Sci_PositionU lineStart = startPos;
    while (lineStart < endPos) {
        Sci_PositionU lineEnd = lineStart;
        while (lineEnd < endPos && styler[lineEnd] != '\r' && styler[lineEnd] != '\n')
            ++lineEnd;
        ColouriseIniLine(lineStart, lineEnd, styler);
        Sci_PositionU next = lineEnd;
        if (next < endPos && styler[next] == '\r')
            ++next;
        if (next < endPos && styler[next] == '\n')
            ++next;
        if (next > lineStart)
            styler.ColourTo(next - 1, VSINI_DEFAULT);
        lineStart = next;
    }
}

LexerModule lmTamborelIni(VSLEX_INI, ColouriseIniDoc, "tamborel-ini");

}

namespace Vessary {
Scintilla::ILexer5 *CreateIniLexer() { return lmTamborelIni.Create(); }
}
