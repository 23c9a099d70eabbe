// The settings file's text format: what a hand-edited file means, and what a rewrite keeps.
#include "core/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/temp_install.h"

namespace orvane {
namespace {

TEST(ParseIniInteger, DecimalAndHexadecimalOnlyWhenTheWholeTextIsANumber) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"255", 255},
      {"0xFF", 255},
      {"0XfF", 255},
      {"$ff", 255},
      {"  -12", -12},
      {"+7", 7},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"0x80000008", static_cast<std::int32_t>(0x80000008u)},
      {"$FFFFFFFF", -1},
      {"-2147483640", -2147483640},
      {"2147483648", std::nullopt},
      {"0x100000000", std::nullopt},
      {"12 ", std::nullopt},
      {"12ab", std::nullopt},
      {"yes", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"0x", std::nullopt},
      {"\t5", std::nullopt},
      {"- 5", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(TIniFile, ReadingRules) {
  TIniFile ini("/nonexistent/x.ini");
  ini.LoadFromText(
      "stray=before any section\n"
      "[option]\n"
      "; a comment\n"
      "\n"
      "is_image=0\n"
      "IS_IMAGE=1\n"
      "MESSAGE_0= two  spaces kept \r\n"
      "EQ=a=b\n"
      "KEY =spaced name\n"
      "no equals sign\n"
      "[VERSION]\n"
      "LAST_VERSION=100\n"
      "[Option]\n"
      "LATE=merged into the first OPTION\n");
  EXPECT_EQ(ini.ReadInteger("OPTION", "IS_IMAGE", 9), 0);  // first occurrence counts, any case
  EXPECT_EQ(ini.ReadString("OPTION", "MESSAGE_0", ""), " two  spaces kept ");
  EXPECT_EQ(ini.ReadString("OPTION", "EQ", ""), "a=b");
  EXPECT_FALSE(ini.ValueExists("OPTION", "KEY"));  // "KEY " is another name
  EXPECT_EQ(ini.ReadString("OPTION", "KEY ", ""), "spaced name");
  EXPECT_FALSE(ini.ValueExists("OPTION", "stray"));
  EXPECT_FALSE(ini.ValueExists("OPTION", "no equals sign"));
  EXPECT_EQ(ini.ReadString("option", "late", ""), "merged into the first OPTION");
  EXPECT_EQ(ini.ReadInteger("VERSION", "LAST_VERSION", 0), 100);
  EXPECT_TRUE(ini.ReadBool("VERSION", "LAST_VERSION", false));
  EXPECT_FALSE(ini.ReadBool("OPTION", "MISSING", false));
  EXPECT_TRUE(ini.ReadBool("OPTION", "EQ", true));  // unparseable: the default
}

TEST(TIniFile, RewriteKeepsOrderReplacesInPlaceAndDropsComments) {
  TIniFile ini("/nonexistent/x.ini");
  ini.LoadFromText(
      "; header comment\n[OPTION]\nB=1\nA=2\nb=dup\nfree text line\n[VERSION]\nLAST_VERSION=1\n");
  ini.WriteInteger("option", "a", -5);  // existing key: its line, its spelling
  ini.WriteBool("OPTION", "C", true);   // new key: end of its section
  ini.WriteString("EXTRA", "K", "v");   // new section: end of file
  EXPECT_EQ(ini.ToText(),
            "[OPTION]\nB=1\nA=-5\nb=dup\nfree text line\nC=1\n\n"
            "[VERSION]\nLAST_VERSION=1\n\n"
            "[EXTRA]\nK=v\n\n");
}

TEST(TIniFile, ReadsAFileWrittenOnWindows) {
  testing::TempInstall install;
  // Code page 932 with CR LF, as the Windows build writes it.
  install.Write("orvane.ini",
                "[OPTION]\r\nFONT_NAME=\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n"
                "MESSAGE_0=\x8E\x9E\x82\xCD\x96\x9E\x82\xBF\x82\xBD\x82\xE8\r\n");
  TIniFile ini(install.IniPath());
  EXPECT_EQ(ini.ReadString("OPTION", "FONT_NAME", ""), "ＭＳ Ｐゴシック");
  EXPECT_EQ(ini.ReadString("OPTION", "MESSAGE_0", ""), "時は満ちたり");
}

TEST(TIniFile, BinaryJunkReadsAsNoKeys) {
  testing::TempInstall install;
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) & 0xFF);
  install.Write("orvane.ini", junk);
  TIniFile ini(install.IniPath());
  EXPECT_FALSE(ini.ValueExists("OPTION", "IS_IMAGE"));
  EXPECT_EQ(ini.ReadInteger("OPTION", "IS_IMAGE", 1), 1);
}

TEST(TIniFile, UpdateFileWritesWholeAndAtomically) {
  testing::TempInstall install;
  install.Write("orvane.ini", "[OPTION]\nA=1\n");
  TIniFile ini(install.IniPath());
  ini.WriteString("OPTION", "B", "2");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(install.Read("orvane.ini"), "[OPTION]\nA=1\nB=2\n\n");
  EXPECT_EQ(install.Files(), std::vector<std::string>{"orvane.ini"});  // no temporary file left
}

TEST(TIniFile, UpdateFileFailsWithoutTouchingAWriteProtectedFile) {
  testing::TempInstall install;
  install.Write("orvane.ini", "[OPTION]\nA=1\n");
  ::chmod(install.IniPath().c_str(), 0444);
  TIniFile ini(install.IniPath());
  ini.WriteString("OPTION", "A", "changed");
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(install.Read("orvane.ini"), "[OPTION]\nA=1\n");
  EXPECT_EQ(install.Files(), std::vector<std::string>{"orvane.ini"});
}

TEST(TIniFile, UpdateFileFailsWhereTheFolderCannotTakeAFile) {
  testing::TempInstall install;
  install.Write("not-a-folder", "x");
  TIniFile ini(install.Path("not-a-folder/orvane.ini"));
  ini.WriteString("OPTION", "A", "1");
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(install.Read("not-a-folder"), "x");
}

TEST(TIniFile, UpdateFileWritesThroughALinkAndKeepsPermissions) {
  testing::TempInstall install;
  install.Write("real.ini", "[OPTION]\nA=1\n");
  ::chmod(install.Path("real.ini").c_str(), 0600);
  std::filesystem::create_symlink(install.Path("real.ini"), install.IniPath());
  TIniFile ini(install.IniPath());
  ini.WriteString("OPTION", "A", "2");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_TRUE(std::filesystem::is_symlink(install.IniPath()));
  EXPECT_EQ(install.Read("real.ini"), "[OPTION]\nA=2\n\n");
  struct stat st {};
  ::stat(install.Path("real.ini").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(TIniFile, AFileThatCannotBeReadReadsEmptyAndIsNeverOverwritten) {
  testing::TempInstall install;
  std::filesystem::create_directory(install.IniPath());  // present, but no file to read
  TIniFile ini(install.IniPath());
  EXPECT_FALSE(ini.ValueExists("OPTION", "A"));
  ini.WriteString("OPTION", "A", "1");
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_TRUE(std::filesystem::is_directory(install.IniPath()));
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

TEST(TIniFile, AFileFarTooLargeIsNotHeldInMemoryNorOverwritten) {
  testing::TempInstall install;
  const std::string line = "[OPTION]\nA=" + std::string(1 << 20, 'x') + "\n";
  {
    std::ofstream out(install.IniPath(), std::ios::binary);
    for (std::size_t written = 0; written <= kMaxIniFileBytes; written += line.size()) out << line;
  }
  const auto size = std::filesystem::file_size(install.IniPath());
  TIniFile ini(install.IniPath());
  EXPECT_FALSE(ini.ValueExists("OPTION", "A"));
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_EQ(std::filesystem::file_size(install.IniPath()), size);
}

}  // namespace
}  // namespace orvane
