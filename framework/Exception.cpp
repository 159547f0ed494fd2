#include "framework/Exception.h"

namespace {
ExceptionReporter reporter;
}

void SetExceptionReporter(ExceptionReporter r) { reporter = r; }

void ReportException(const char *what) noexcept {
    if (reporter)
        reporter(what ? what : "unknown exception");
}
