// Identity: the caption every window and the tray tip show, and where the files live.
#include "core/app_info.h"

#include <gtest/gtest.h>

#include "core/process_env.h"
#include "support/temp_install.h"

namespace orvane {
namespace {

TEST(FormatVersionCaption, MinorShowsTwoDigitsBelowHundred) {
  struct Case {
    std::uint32_t major, minor;
    const char* caption;
  } cases[] = {
      {2, 1, "Orvane  ver. 2.01"},  {2, 0, "Orvane  ver. 2.00"},    {2, 10, "Orvane  ver. 2.10"},
      {2, 99, "Orvane  ver. 2.99"}, {2, 100, "Orvane  ver. 2.100"}, {0, 0, "Orvane  ver. 0.00"},
  };
  for (const Case& c : cases) {
    TAppInfo info;
    info.FileVersion = c.major << 16 | c.minor;
    EXPECT_EQ(FormatVersionCaption(info, "Orvane"), c.caption) << c.major << "." << c.minor;
  }
  TAppInfo info;
  info.FileVersion = kBuildFileVersion;
  EXPECT_EQ(FormatVersionCaption(info, ""), "  ver. 2.01");
}

TEST(LoadAppInfo, TakesTheCurrentDirectoryAndTheBuildVersion) {
  testing::TempInstall install;
  processEnv().currentDirectory = [] { return std::string("/home/user/work"); };
  TAppInfo info;
  info.LastVersion = 12345;
  LoadAppInfo(info);
  EXPECT_EQ(GetBaseDir(info), "/home/user/work");
  EXPECT_EQ(GetFileVersion(info), 2u * 65536u + 1u);
  EXPECT_EQ(GetLastVersion(info), 0);
  EXPECT_TRUE(install.boxes.empty());
}

TEST(LoadAppInfo, RealCurrentDirectoryOfAnyLength) {
  // A folder path far beyond 260 bytes is read whole.
  testing::TempInstall install;
  ResetProcessEnv();
  std::string deep = install.Dir();
  while (deep.size() < 1200) deep += "/" + std::string(100, 'd');
  std::filesystem::create_directories(deep);
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(deep);
  TAppInfo info;
  LoadAppInfo(info);
  std::filesystem::current_path(old);
  EXPECT_EQ(GetBaseDir(info), deep);
}

TEST(SettingsFilePath, ReplacesTheExtensionBesideTheExecutable) {
  struct Case {
    const char* exe;
    const char* ini;
    const char* dir;
  } cases[] = {
      {"/opt/orvane/orvane", "/opt/orvane/orvane.ini", "/opt/orvane/"},
      {"/opt/orvane/orvane.exe", "/opt/orvane/orvane.ini", "/opt/orvane/"},
      {"/opt/v2.1/orvane", "/opt/v2.1/orvane.ini", "/opt/v2.1/"},
      {"/opt/x/.orvane", "/opt/x/.orvane.ini", "/opt/x/"},
  };
  for (const Case& c : cases) {
    processEnv().executablePath = [&c] { return std::string(c.exe); };
    EXPECT_EQ(SettingsFilePath(), c.ini);
    EXPECT_EQ(ExecutableDir(), c.dir);
  }
  ResetProcessEnv();
}

}  // namespace
}  // namespace orvane
