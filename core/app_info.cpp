#include "core/app_info.h"

#include <cstdio>

#include "core/process_env.h"

namespace orvane {

void LoadAppInfo(TAppInfo& info) {
  info.BaseDir = processEnv().currentDirectory();
  // The version is fixed when the program is built; there is no resource to read that could fail.
  info.FileVersion = kBuildFileVersion;
  info.LastVersion = 0;
}

std::string FormatVersionCaption(const TAppInfo& info, const std::string& title) {
  const unsigned major = info.FileVersion >> 16;
  const unsigned minor = info.FileVersion & 0xFFFFu;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, minor < 100 ? "  ver. %u.%02u" : "  ver. %u.%u", major, minor);
  return title + suffix;
}

}  // namespace orvane
