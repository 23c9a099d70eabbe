// What the chime window reads from the settings file, and what it writes back.
#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_install.h"

namespace orvane {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  // Reads the options as at start-up (LastVersion 0 unless told otherwise).
  TChimeOptions Load(const std::string& ini, std::int32_t lastVersion = 0) {
    if (!ini.empty()) install.Write("orvane.ini", ini);
    info.BaseDir = "/home/u";
    info.FileVersion = kBuildFileVersion;
    info.LastVersion = lastVersion;
    TChimeOptions o;
    LoadOptions(o, schedule, info);
    return o;
  }
  testing::TempInstall install;
  TAppInfo info;
  TScheduleState schedule;
};

TEST_F(SettingsFileTest, NoFileGivesEveryDefault) {
  const TChimeOptions o = Load("");
  EXPECT_EQ(o.ImagePath, "/home/u/image/p-goods1.jpg");
  EXPECT_EQ(o.MessageText, "時は満ちたり・・・");
  EXPECT_EQ(o.MessagePosX, 0);
  EXPECT_EQ(o.MessagePosY, 0);
  EXPECT_EQ(o.MessageFont.Name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(o.MessageFont.Size, 9);
  EXPECT_EQ(o.MessageFont.Charset, 128);
  EXPECT_EQ(static_cast<std::uint32_t>(o.MessageFont.Color), 0x80000008u);
  EXPECT_TRUE(o.IsImage);
  EXPECT_TRUE(o.IsIconAnim);
  EXPECT_FALSE(o.IsActive);
  EXPECT_FALSE(o.IsRegion);
  EXPECT_TRUE(o.Is00Minutes);
  EXPECT_TRUE(o.IsBaseTimeOk);
  EXPECT_EQ(o.DisplayTime, 0);
  EXPECT_EQ(GetLastVersion(info), 0);
  EXPECT_FALSE(install.Exists("orvane.ini"));  // reading writes nothing
}

TEST_F(SettingsFileTest, MessageLines) {
  struct Case {
    const char* ini;
    std::string text;
  } cases[] = {
      {"MESSAGE_NUM=2\nMESSAGE_0=a\nMESSAGE_1=b\n", "a\nb\n"},
      {"MESSAGE_NUM=3\nMESSAGE_0=a\nMESSAGE_1=b\n", "a\nb\n\n"},
      {"MESSAGE_NUM=-1\nMESSAGE_0=a\nMESSAGE_1=b\n", "a\n"},
      {"MESSAGE_NUM=0\nMESSAGE_0=a\n", "時は満ちたり・・・"},
      {"MESSAGE_NUM=1\nMESSAGE_0=a\nMESSAGE_5=left over\n", "a\n"},
      {"MESSAGE_NUM=x\nMESSAGE_0=a\n", "時は満ちたり・・・"},
      {"MESSAGE_NUM=2147483647\nMESSAGE_0=a\n", "a" + std::string(kMaxMessageLines, '\n')},
  };
  for (const Case& c : cases) EXPECT_EQ(Load(std::string("[OPTION]\n") + c.ini).MessageText, c.text) << c.ini;
}

TEST_F(SettingsFileTest, ValueEncodings) {
  const TChimeOptions o = Load(
      "[option]\nis_active=2\nIS_IMAGE=yes\nIS_ICONANIM=0\nFONT_COLOR=0xFF\nFONT_CHARSET=0x1FF\n"
      "FONT_SIZE =30\nMESSAGE_POS_X=-4\n[VERSION]\nLAST_VERSION=100\n");
  EXPECT_TRUE(o.IsActive);
  EXPECT_TRUE(o.IsImage);  // unparseable: default
  EXPECT_FALSE(o.IsIconAnim);
  EXPECT_EQ(o.MessageFont.Color, 255);
  EXPECT_EQ(o.MessageFont.Charset, 0xFF);
  EXPECT_EQ(o.MessageFont.Size, 9);  // "FONT_SIZE " is another key
  EXPECT_EQ(o.MessagePosX, -4);
  EXPECT_EQ(GetLastVersion(info), 65536);
  EXPECT_EQ(Load("[OPTION]\nFONT_COLOR=255\n").MessageFont.Color, 255);
}

TEST_F(SettingsFileTest, RegionDefaultFollowsTheVersionOfThePreviousRead) {
  const std::string file = "[VERSION]\nLAST_VERSION=131073\n";
  EXPECT_FALSE(Load(file, 0).IsRegion);
  EXPECT_EQ(GetLastVersion(info), 131073);
  EXPECT_FALSE(Load(file, 65536).IsRegion);
  EXPECT_TRUE(Load(file, 65537).IsRegion);
  EXPECT_FALSE(Load(file + "[OPTION]\nIS_REGION=0\n", 65537).IsRegion);
}

TEST_F(SettingsFileTest, ScheduleKeysAreReadOnlyWhereTheyCount) {
  schedule = {};
  info = {};
  TChimeOptions o;
  o.DisplayHour = 7;
  install.Write("orvane.ini",
                "[OPTION]\nIS_BASETIME_OK=1\nBASETIME_HOUR=5\nDISPLAYTIME=0\nDISPLAYTIME_ANY_HOUR=3\n");
  LoadOptions(o, schedule, info);
  EXPECT_EQ(schedule.BaseHour, 0);
  EXPECT_EQ(o.DisplayHour, 7u);  // neither group read

  TChimeOptions any = Load(
      "[OPTION]\nIS_BASETIME_OK=0\nBASETIME_HOUR=5\nBASETIME_MINUTE=31\nBASETIME_SECOND=15\n"
      "DISPLAYTIME=1\nDISPLAYTIME_ONCE_HOUR=9\n");
  EXPECT_EQ(schedule.BaseHour, 5);
  EXPECT_EQ(schedule.BaseMinute, 31);
  EXPECT_EQ(schedule.BaseSecond, 15);
  EXPECT_EQ(any.DisplayHour, 0u);
  EXPECT_EQ(any.DisplaySecond, 1u);  // an all-zero interval is one second

  TChimeOptions once = Load(
      "[OPTION]\nDISPLAYTIME=2\nDISPLAYTIME_ONCE_HOUR=9\nDISPLAYTIME_ONCE_MINUTE=0\n"
      "DISPLAYTIME_ANY_HOUR=3\n");
  EXPECT_EQ(once.DisplayHour, 9u);
  EXPECT_EQ(once.DisplaySecond, 0u);

  EXPECT_EQ(Load("[OPTION]\nDISPLAYTIME=1\nDISPLAYTIME_ANY_HOUR=-1\n").DisplayHour, 0xFFFFFFFFu);
}

TEST_F(SettingsFileTest, FirstSaveCreatesTheFileInItsOrder) {
  TChimeOptions o = Load("");
  o.MessagePosX = 90;
  o.MessagePosY = 130;
  EXPECT_TRUE(SaveWindowState(o, info));
  EXPECT_EQ(install.Read("orvane.ini"),
            "[VERSION]\nLAST_VERSION=131073\n\n[OPTION]\nMESSAGE_POS_X=90\nMESSAGE_POS_Y=130\n\n");
  EXPECT_TRUE(install.boxes.empty());
}

TEST_F(SettingsFileTest, SaveKeepsKeysAndLosesOnlyComments) {
  TChimeOptions o = Load("; mine\n[OPTION]\nMESSAGE_POS_X=1\nIS_IMAGE=0\n");
  EXPECT_TRUE(SaveWindowState(o, info));
  EXPECT_EQ(install.Read("orvane.ini"),
            "[OPTION]\nMESSAGE_POS_X=1\nIS_IMAGE=0\nMESSAGE_POS_Y=0\n\n[VERSION]\nLAST_VERSION=131073\n\n");
}

TEST_F(SettingsFileTest, UnwritableFileShowsBcb001AndStaysAsItWas) {
  const std::string before = "[OPTION]\nMESSAGE_POS_X=1\n";
  TChimeOptions o = Load(before);
  ::chmod(install.IniPath().c_str(), 0444);
  EXPECT_FALSE(SaveWindowState(o, info));
  ASSERT_EQ(install.boxes.size(), 1u);
  EXPECT_EQ(install.boxes[0].caption, "UpdateFile エラー（エラーコード：BCB-001）");
  EXPECT_EQ(install.boxes[0].flags, 48);
  EXPECT_EQ(install.Read("orvane.ini"), before);
  EXPECT_NE(install.Read("error.txt").find("BCB-001"), std::string::npos);
}

}  // namespace
}  // namespace orvane
