// Comma- and tab-separated values (316, 317). Fields of a record alternate between the odd and
// the even style, counted from 1 at each record start. In CSV a field that starts with a double
// quote runs to its closing quote and may hold commas, line breaks and doubled quotes; the commas
// and the line breaks that end records take the separator style. TSV has no quoting and no
// separator style: a tab or line break takes the style of the field it ends.
//
// The delimiters, the quote and the line breaks are never Shift-JIS trail bytes, so the text is
// scanned byte by byte.
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

// What a line leaves to the next one, kept as the line state: a record ends at every line break
// outside quotes, so only an open quoted field carries over.
const int quotedFieldOpen = 1;
const int evenField = 2;

struct Scan {
    bool even = false;
    bool quoted = false;
    bool atFieldStart = true;

    int LineState() const { return quoted ? quotedFieldOpen | (even ? evenField : 0) : 0; }
};

bool EndsLine(Accessor &styler, Sci_PositionU i, Sci_PositionU endPos) {
    const char c = styler[i];
    return c == '\n' || (c == '\r' && (i + 1 >= endPos || styler[i + 1] != '\n'));
}

Scan StateAtLineOf(Accessor &styler, Sci_PositionU startPos) {
    Scan scan;
    const Sci_Position line = styler.GetLine(static_cast<Sci_Position>(startPos));
    if (line > 0) {
        const int state = styler.GetLineState(line - 1);
        scan.quoted = (state & quotedFieldOpen) != 0;
        scan.even = scan.quoted && (state & evenField) != 0;
        scan.atFieldStart = !scan.quoted;
    }
    return scan;
}

void ColouriseCsvDoc(Sci_PositionU startPos, Sci_Position length, int, WordList *[], Accessor &styler) {
    const Sci_PositionU endPos = Vessary::StartAtLineStart(startPos, length, styler);
    Scan scan = StateAtLineOf(styler, startPos);
    for (Sci_PositionU i = startPos; i < endPos; ++i) {
        const char c = styler[i];
        const int fieldStyle = scan.even ? VSCSV_EVEN : VSCSV_ODD;
        if (scan.quoted) {
            if (c == '"') {
                if (i + 1 < endPos && styler[i + 1] == '"')
                    ++i;
                else
                    scan.quoted = false;
            }
            styler.ColourTo(i, fieldStyle);
        } else if (c == ',') {
            styler.ColourTo(i, VSCSV_SEPARATOR);
            scan.even = !scan.even;
            scan.atFieldStart = true;
        } else if (c == '\r' || c == '\n') {
            styler.ColourTo(i, VSCSV_SEPARATOR);
            scan.even = false;
            scan.atFieldStart = true;
        } else {
            scan.quoted = scan.atFieldStart && c == '"';
            scan.atFieldStart = false;
            styler.ColourTo(i, fieldStyle);
        }
        if (EndsLine(styler, i, endPos))
            styler.SetLineState(styler.GetLine(static_cast<Sci_Position>(i)), scan.LineState());
    }
}

void ColouriseTsvDoc(Sci_PositionU startPos, Sci_Position length, int, WordList *[], Accessor &styler) {
    const Sci_PositionU endPos = Vessary::StartAtLineStart(startPos, length, styler);
    bool even = false;
    for (Sci_PositionU i = startPos; i < endPos; ++i) {
        const char c = styler[i];
        styler.ColourTo(i, even ? VSTSV_EVEN : VSTSV_ODD);
        if (c == '\t')
            even = !even;
        else if (c == '\r' || c == '\n')
            even = false;
    }
}

LexerModule lmTamborelCsv(VSLEX_CSV, ColouriseCsvDoc, "tamborel-csv");
LexerModule lmTamborelTsv(VSLEX_TSV, ColouriseTsvDoc, "tamborel-tsv");

}

namespace Vessary {
Scintilla::ILexer5 *CreateCsvLexer() { return lmTamborelCsv.Create(); }
Scintilla::ILexer5 *CreateTsvLexer() { return lmTamborelTsv.Create(); }
}
