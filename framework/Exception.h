// The program's own exceptions.
#pragma once

#include <exception>
#include <string>

#include "framework/Object.h"

class Exception : public Object, public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char *what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A required object or handle was missing.
class NullPointerException : public Exception {
public:
    using Exception::Exception;
};

// A function could not be found or called; the text names it.
class CallException : public Exception {
public:
    using Exception::Exception;
};

// Where exceptions stopped at a window or dialog procedure go (the application logs them).
using ExceptionReporter = void (*)(const char *what);
void SetExceptionReporter(ExceptionReporter reporter);
void ReportException(const char *what) noexcept;
