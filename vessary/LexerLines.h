// Shared by the component's line-based lexers.
#pragma once

#include "LexAccessor.h"
#include "Accessor.h"

namespace Vessary {

// Moves the start of a styling request back to the start of its line (SCI_COLOURISE may ask
// from any position) and starts styling there. Returns the end of the request.
inline Sci_PositionU StartAtLineStart(Sci_PositionU &startPos, Sci_Position length, Lexilla::Accessor &styler) {
    const Sci_PositionU endPos = startPos + static_cast<Sci_PositionU>(length);
    startPos = static_cast<Sci_PositionU>(styler.LineStart(styler.GetLine(static_cast<Sci_Position>(startPos))));
    styler.StartAt(startPos);
    styler.StartSegment(startPos);
    return endPos;
}

}
