// Who the program is: base directory, version, and the version that last wrote the settings.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Version word: major * 65536 + minor.
constexpr std::uint32_t kBuildFileVersion = (static_cast<std::uint32_t>(ORVANE_VERSION_MAJOR) << 16) |
                                            static_cast<std::uint32_t>(ORVANE_VERSION_MINOR);

struct TAppInfo {
  std::string BaseDir;  // the current directory at start-up, UTF-8, no trailing separator but for "/"
  std::uint32_t FileVersion = 0;
  std::int32_t LastVersion = 0;
};

// Fills the record: base directory from the process's current directory, the build's version,
// LastVersion 0.
void LoadAppInfo(TAppInfo& info);

inline std::string GetBaseDir(const TAppInfo& info) {
  return info.BaseDir;
}
inline std::uint32_t GetFileVersion(const TAppInfo& info) {
  return info.FileVersion;
}
inline std::int32_t GetLastVersion(const TAppInfo& info) {
  return info.LastVersion;
}
inline void SetLastVersion(TAppInfo& info, std::int32_t version) {
  info.LastVersion = version;
}

// "Orvane  ver. 2.01": the minor number in two digits below 100, as it stands from 100 on.
std::string FormatVersionCaption(const TAppInfo& info, const std::string& title);

}  // namespace orvane
