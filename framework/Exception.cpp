#include "framework/Exception.h"

#include <cstdio>

namespace {
ExceptionReporter reporter;
}

CallException::CallException(const char *call, unsigned long error)
    : Exception([&] {
          char text[160];
          std::snprintf(text, sizeof text, "%s failed. error = %lu", call, error);
          return std::string(text);
      }()),
      error_(error) {}

void SetExceptionReporter(ExceptionReporter r) { reporter = r; }

void ReportException(const char *what) noexcept {
    if (reporter)
        reporter(what ? what : "unknown exception");
}
