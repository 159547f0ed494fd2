// The test program's case files (RCDATA). Plain #defines: the resource compiler reads this too.
#pragma once

#define IDR_REFERENCE_CASES 9101
#define IDR_LABEL_CASES 9102
#define IDR_DEFINITION_LIST_CASES 9103
