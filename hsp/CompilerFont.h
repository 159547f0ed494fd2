// The fixed-pitch font of compiler texts (reports, reserved words): "ＭＳ ゴシック" 12 pixels
// high, or a pixel or two higher when the face the system stands in for it draws no underscore
// at 12 (seen with IPA Gothic): names such as ginfo_winx must keep their underscores.
#pragma once

class Font;

bool CreateCompilerFont(Font &font);
