// The program's dialogs by template number.
#pragma once

#include <cstddef>

struct DialogTemplate;

extern const DialogTemplate dialogTable[];
extern const size_t dialogTableSize;
