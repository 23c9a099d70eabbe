// Coded message boxes and the error log beside the executable.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "core/error_codes.h"

namespace orvane {

// Shows a modal box and returns kIdOk, kIdYes or kIdNo. The toolkit installs the real one;
// until then (and in tools without a GUI) the box is printed to stderr and answered with its
// default button.
using MessageBoxFn = std::function<int(const std::string& message, const std::string& caption, int flags)>;
void SetMessageBoxHandler(MessageBoxFn handler);

// The local date and time at which a box was closed. Replaceable in tests.
using LocalTimeFn = std::function<std::tm()>;
void SetLocalTimeSource(LocalTimeFn source);  // an empty function restores the real clock

// The record's date and time: the user's locale formats (LC_TIME), or "YYYY/MM/DD HH:MM:SS"
// where none is set; the time is left out at exactly 00:00:00.
std::string FormatLogTimestamp(const std::tm& when);

int ReportError(const std::string& message, const std::string& caption, int flags);
int ReportErrorToFile(const std::string& file, const std::string& message, const std::string& caption,
                      int flags);
void AppendErrorLog(const std::string& file, const std::string& text);
void LogErrorText(const std::string& text);
void LogLastError(int code);

// Shorthand for a row of the table of codes: the box with its caption, message and style.
int ReportError(const ErrorText& error);

}  // namespace orvane
