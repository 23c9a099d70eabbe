// orvane-next: lists the coming chimes of a settings file, as the program would arm them.
//
//   orvane-next [--ini FILE] [--at HH:MM:SS] [--count N]
//
// The file is read as the program reads it at start-up (first run) and the chimes come from the
// program's own scheduler. One line per chime on stdout: "HH:MM:SS MILLISECONDS", the time of day
// it falls due and the interval armed for it. Bad arguments: one line on stderr, exit code 2.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "core/app_info.h"
#include "core/options.h"
#include "core/process_env.h"
#include "core/scheduler.h"
#include "core/settings_file.h"

namespace {

constexpr std::uint32_t kMaxCount = 10000;
constexpr const char* kUsage = "usage: orvane-next [--ini FILE] [--at HH:MM:SS] [--count N]";

struct Arguments {
  std::optional<std::string> ini;
  std::optional<orvane::THms> at;
  std::uint32_t count = 5;
};

// One or two decimal digits, at most `max`.
std::optional<std::uint16_t> ParseField(std::string_view text, unsigned max) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  unsigned value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value > max) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<orvane::THms> ParseTime(std::string_view text) {
  const auto first = text.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = text.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto h = ParseField(text.substr(0, first), 23);
  const auto m = ParseField(text.substr(first + 1, second - first - 1), 59);
  const auto s = ParseField(text.substr(second + 1), 59);
  if (!h || !m || !s) return std::nullopt;
  return orvane::THms{*h, *m, *s, 0};
}

std::optional<std::uint32_t> ParseCount(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > kMaxCount) return std::nullopt;
  }
  if (value < 1) return std::nullopt;
  return value;
}

int BadArguments(const std::string& why) {
  std::fprintf(stderr, "orvane-next: %s; %s\n", why.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string_view name = arg;
    std::optional<std::string_view> value;
    if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    }
    if (name != "--ini" && name != "--at" && name != "--count") {
      return BadArguments("unknown argument '" + std::string(arg) + "'");
    }
    if (!value) {
      if (i + 1 >= argc) return BadArguments(std::string(name) + " needs a value");
      value = argv[++i];
    }
    if (name == "--ini") {
      if (value->empty()) return BadArguments("--ini needs a file name");
      args.ini = std::string(*value);
    } else if (name == "--at") {
      args.at = ParseTime(*value);
      if (!args.at)
        return BadArguments("--at wants a time of day HH:MM:SS, got '" + std::string(*value) + "'");
    } else {
      const auto count = ParseCount(*value);
      if (!count)
        return BadArguments("--count wants a number from 1 to 10000, got '" + std::string(*value) + "'");
      args.count = *count;
    }
  }

  // The settings file the program beside this tool would read, unless another one is named.
  const std::string settings = args.ini ? *args.ini : orvane::ExecutableDir() + "orvane.ini";
  orvane::processEnv().settingsPath = [settings] { return settings; };

  // As after constructing the chime window and its first LoadOptions at start-up.
  orvane::TAppInfo info;
  orvane::LoadAppInfo(info);
  orvane::TChimeOptions options;
  orvane::TScheduleState state;
  state.IsNewSchedule = true;
  try {
    orvane::LoadOptions(options, state, info);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane-next: cannot read %s: %s\n", settings.c_str(), e.what());
    return 1;
  }

  const orvane::THms at = args.at ? *args.at : orvane::SystemClock().NowHMS();
  for (const orvane::TChimePreview& chime : orvane::PreviewChimes(options, state, at, args.count)) {
    std::printf("%02u:%02u:%02u %llu\n", chime.dueAt / 3600, chime.dueAt / 60 % 60, chime.dueAt % 60,
                static_cast<unsigned long long>(chime.intervalMs));
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
