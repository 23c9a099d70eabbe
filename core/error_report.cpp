#include "core/error_report.h"

#include <locale.h>
#include <time.h>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/process_env.h"

namespace orvane {

namespace {

int ConsoleBox(const std::string& message, const std::string& caption, int flags) {
  std::fprintf(stderr, "%s\n%s\n", caption.c_str(), message.c_str());
  // Without a GUI nobody can answer: take the box's default button.
  return flags == kBoxQuestion ? kIdNo : kIdOk;
}

std::tm RealLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

MessageBoxFn& BoxHandler() {
  static MessageBoxFn handler = ConsoleBox;
  return handler;
}

LocalTimeFn& TimeSource() {
  static LocalTimeFn source = RealLocalTime;
  return source;
}

// The locale the user chose for dates and times, or empty when none is set.
std::string UserTimeLocaleName() {
  for (const char* var : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(var);
    if (value != nullptr && *value != '\0') {
      const std::string name = value;
      if (name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return {};
      return name;
    }
  }
  return {};
}

}  // namespace

void SetMessageBoxHandler(MessageBoxFn handler) {
  BoxHandler() = handler ? std::move(handler) : ConsoleBox;
}

void SetLocalTimeSource(LocalTimeFn source) {
  TimeSource() = source ? std::move(source) : RealLocalTime;
}

std::string FormatLogTimestamp(const std::tm& when) {
  const bool midnight = when.tm_hour == 0 && when.tm_min == 0 && when.tm_sec == 0;
  char buf[128];
  std::size_t n = 0;
  const std::string name = UserTimeLocaleName();
  locale_t loc =
      name.empty() ? static_cast<locale_t>(nullptr) : newlocale(LC_TIME_MASK, name.c_str(), nullptr);
  if (loc != nullptr) {
    n = strftime_l(buf, sizeof buf, midnight ? "%x" : "%x %X", &when, loc);
    freelocale(loc);
  }
  if (n == 0) n = std::strftime(buf, sizeof buf, midnight ? "%Y/%m/%d" : "%Y/%m/%d %H:%M:%S", &when);
  return std::string(buf, n);
}

int ReportErrorToFile(const std::string& file, const std::string& message, const std::string& caption,
                      int flags) {
  const int answer = BoxHandler()(message, caption, flags);
  // The record carries the moment the box was closed.
  std::string record = "\n\n\n";
  record += FormatLogTimestamp(TimeSource()());
  record += "  catch error!\n\n";
  record += caption;
  record += "\n";
  record += message;
  record += "\n";
  AppendErrorLog(file, record);
  return answer;
}

int ReportError(const std::string& message, const std::string& caption, int flags) {
  return ReportErrorToFile("error.txt", message, caption, flags);
}

int ReportError(const ErrorText& error) {
  return ReportError(error.message, error.caption, error.flags);
}

void AppendErrorLog(const std::string& file, const std::string& text) {
  const std::string path = ExecutableDir() + file;
  // Linux files end lines with LF, so the text goes out byte for byte.
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (f == nullptr) return;  // the box has been shown; an unwritable log is not reported again
  if (std::fseek(f, 0, SEEK_END) == 0) std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

void LogErrorText(const std::string& text) {
  AppendErrorLog("error.txt", text);
}

void LogLastError(int code) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "GetLastError は %d\n", code);
  LogErrorText(buf);
}

}  // namespace orvane
