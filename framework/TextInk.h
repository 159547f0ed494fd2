// Whether text drawn in a face leaves any mark. Some faces draw nothing for a character at some
// sizes: under Wine the IPA fonts drop "_" from 16 to 20 pixels, although its metrics place it
// inside the line.
#pragma once

namespace TextInk {

// The screen's pixels per inch, vertically.
int PixelsPerInch();

// Draws the text in the face at a character height in pixels (Shift-JIS character set) and
// looks for any pixel it changed.
bool Draws(const char *face, int pixelHeight, const char *text);

}
