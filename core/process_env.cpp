#include "core/process_env.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvane {

namespace {

std::string RealExecutablePath() {
  std::vector<char> buf(256);
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<std::size_t>(n));
    buf.resize(buf.size() * 2);  // the path filled the buffer: it may have been cut
  }
}

std::string RealCurrentDirectory() {
  // Any length: grow the buffer until the whole path fits.
  std::vector<char> buf(260);
  for (;;) {
    if (::getcwd(buf.data(), buf.size()) != nullptr) return std::string(buf.data());
    if (errno != ERANGE) return {};
    buf.resize(buf.size() * 2);
  }
}

ProcessEnv RealEnv() {
  return ProcessEnv{RealExecutablePath, RealCurrentDirectory, {}};
}

}  // namespace

ProcessEnv& processEnv() {
  static ProcessEnv env = RealEnv();
  return env;
}

void ResetProcessEnv() {
  processEnv() = RealEnv();
}

std::string ExecutableDir() {
  const std::string path = processEnv().executablePath();
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string SettingsFilePath() {
  if (processEnv().settingsPath) return processEnv().settingsPath();
  const std::string path = processEnv().executablePath();
  const auto slash = path.rfind('/');
  const auto dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return (hasExtension ? path.substr(0, dot) : path) + ".ini";
}

}  // namespace orvane
