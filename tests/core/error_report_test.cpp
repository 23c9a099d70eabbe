// Coded boxes and the records they leave in error.txt beside the executable.
#include "core/error_report.h"

#include <gtest/gtest.h>
#include <locale.h>
#include <sys/stat.h>

#include <cstdlib>
#include <set>

#include "support/temp_install.h"

namespace orvane {
namespace {

std::tm At(int y, int mo, int d, int h, int mi, int s) {
  std::tm t{};
  t.tm_year = y - 1900;
  t.tm_mon = mo - 1;
  t.tm_mday = d;
  t.tm_hour = h;
  t.tm_min = mi;
  t.tm_sec = s;
  return t;
}

class ErrorReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("LC_ALL");
    savedLcAll_ = old ? old : "";
    hadLcAll_ = old != nullptr;
    ::setenv("LC_ALL", "C", 1);  // no user locale: the fixed format
  }
  void TearDown() override {
    if (hadLcAll_) {
      ::setenv("LC_ALL", savedLcAll_.c_str(), 1);
    } else {
      ::unsetenv("LC_ALL");
    }
  }
  testing::TempInstall install;

 private:
  std::string savedLcAll_;
  bool hadLcAll_ = false;
};

TEST_F(ErrorReportTest, RecordAndSystemErrorLineByteForByte) {
  SetLocalTimeSource([] { return At(2026, 12, 11, 9, 5, 7); });
  install.answers = {kIdYes};
  EXPECT_EQ(ReportError(err::k003), kIdYes);
  LogLastError(1460);
  LogLastError(static_cast<int>(0x80070005u));  // top bit set: written as a negative number
  EXPECT_EQ(install.Read("error.txt"),
            "\n\n\n2026/12/11 09:05:07  catch error!\n\n"
            "エラーコード：003　　LoadFromFile 例外発生\n"
            "背景画像の取得に失敗しました。\nムリヤリ動かしますか？\n\n「はい」動かす\n「いいえ」終了する\n"
            "GetLastError は 1460\n"
            "GetLastError は -2147024891\n");
  ASSERT_EQ(install.boxes.size(), 1u);
  EXPECT_EQ(install.boxes[0].caption, err::k003.caption);
  EXPECT_EQ(install.boxes[0].flags, 308);
}

TEST_F(ErrorReportTest, RecordsAppendAndCarryTheMomentTheBoxClosed) {
  int closes = 0;
  // The box is left open over midnight: the record carries the next day, date only at 00:00:00.
  SetMessageBoxHandler([&](const std::string&, const std::string&, int) -> int { return ++closes, kIdOk; });
  SetLocalTimeSource([&] { return closes == 1 ? At(2026, 12, 12, 0, 0, 0) : At(2026, 12, 12, 0, 0, 1); });
  ReportError(err::k011.message, err::k011.caption, err::k011.flags);
  ReportError(err::k002);
  EXPECT_EQ(install.Read("error.txt"),
            "\n\n\n2026/12/12  catch error!\n\n" + std::string(err::k011.caption) + "\n" + err::k011.message +
                "\n\n\n\n2026/12/12 00:00:01  catch error!\n\nエラーコード：002　　二重起動\n"
                "二重起動は、禁止しております。\n");
}

TEST_F(ErrorReportTest, LogLandsBesideTheExecutableWhateverTheCurrentDirectory) {
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path("/");
  ReportError(err::k014);
  std::filesystem::current_path(old);
  EXPECT_NE(install.Read("error.txt").find(err::k014.caption), std::string::npos);
}

TEST_F(ErrorReportTest, UnwritableLogStillShowsTheBoxAndReturnsItsAnswer) {
  // error.txt is a folder here: it cannot be opened for appending, whoever runs the test.
  std::filesystem::create_directory(install.Path("error.txt"));
  install.answers = {kIdNo};
  EXPECT_EQ(ReportError(err::k007), kIdNo);
  EXPECT_EQ(install.boxes.size(), 1u);
  LogLastError(5);  // nothing to see, nothing to crash
}

TEST(FormatLogTimestamp, FollowsTheUserLocaleWhereOneIsSet) {
  const char* name = "ja_JP.UTF-8";
  locale_t loc = newlocale(LC_TIME_MASK, name, nullptr);
  if (loc == nullptr) GTEST_SKIP() << name << " is not installed";
  freelocale(loc);
  ::setenv("LC_ALL", name, 1);
  const std::string text = FormatLogTimestamp(At(2026, 12, 11, 9, 5, 7));
  ::unsetenv("LC_ALL");
  EXPECT_NE(text.find("2026"), std::string::npos);
  EXPECT_NE(text.find("05"), std::string::npos);
}

TEST(ErrorCodes, EveryCodeHasItsCaptionStyleAndLogging) {
  std::set<std::string> codes;
  for (const ErrorText* e : err::kAll) {
    codes.insert(e->code);
    EXPECT_NE(std::string(e->caption).find(e->code), std::string::npos) << e->code;
    EXPECT_TRUE(e->flags == 16 || e->flags == 48 || e->flags == 64 || e->flags == 308) << e->code;
  }
  EXPECT_EQ(codes.size(), 21u);
  // The three questions are the only boxes whose answer matters.
  EXPECT_EQ(err::k003.flags, 308);
  EXPECT_EQ(err::k006.flags, 308);
  EXPECT_EQ(err::k007.flags, 308);
  EXPECT_EQ(err::k008.flags, 16);
  EXPECT_STREQ(err::kBcb001.caption, "UpdateFile エラー（エラーコード：BCB-001）");
  EXPECT_TRUE(err::k013.logsSystemError);
  EXPECT_FALSE(err::kBcb004.logsSystemError);
}

}  // namespace
}  // namespace orvane
