// Lexers not written yet colour nothing. Each moves to its own file when it is written.
#include "OwnLexers.h"

namespace Vessary {
}
