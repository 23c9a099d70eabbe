// The settings dialog's number fields and paths, without a window.
#include "core/dialog_rules.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FilterKey, DigitsAndControlKeysOnly) {
  struct Case {
    char32_t in;
    bool controlKeys;
    char32_t out;
  } cases[] = {
      {U'7', true, U'7'}, {U'a', true, 0},   {U'\b', true, U'\b'}, {U'\r', true, U'\r'}, {0x16, true, 0x16},
      {127, true, 127},   {U'\b', false, 0}, {U'-', true, 0},      {U'７', true, 0},     {0xB5, true, 0},
  };
  for (const Case& c : cases) {
    char32_t key = c.in;
    FilterKey(key, "0123456789", c.controlKeys);
    EXPECT_EQ(key, c.out) << static_cast<unsigned>(c.in);
  }
}

TEST(NormaliseDecimalText, BehavesLikeAtol) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"", "0"},
               {"0012", "12"},
               {"12ab", "12"},
               {"  -3", "-3"},
               {"+5", "5"},
               {"ab", "0"},
               {"0007", "7"},
               {"99999999999", "2147483647"},
               {"-99999999999", "-2147483648"}};
  for (const Case& c : cases) EXPECT_EQ(NormaliseDecimalText(c.in), c.out) << c.in;
}

TEST(NormaliseIntervalHourText, PlainNumberFromZeroTo1193) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {{"abc", "0"},     {"2000", "1193"}, {"0012", "12"}, {"", "0"},   {"1193", "1193"},
               {"1194", "1193"}, {" +7", "7"},     {"$10", "16"},  {"-5", "0"}, {"12ab", "0"}};
  for (const Case& c : cases) EXPECT_EQ(NormaliseIntervalHourText(c.in), c.out) << c.in;
}

TEST(PicturePath, SplitAndKind) {
  EXPECT_EQ(SplitPicturePath("/home/u/pics/a.jpg").folder, "/home/u/pics/");
  EXPECT_EQ(SplitPicturePath("/home/u/pics/a.jpg").file, "a.jpg");
  EXPECT_EQ(SplitPicturePath("a.jpg").folder, "");
  EXPECT_EQ(SplitPicturePath("a.jpg").file, "a.jpg");
  struct Case {
    const char* path;
    bool jpeg;
  } cases[] = {{"/p/a.bmp", false}, {"/p/a.BMP", true}, {"/p/a.Bmp", true}, {"/p/a.jpg", true},
               {"/p/a", true},      {"/p.bmp/a", true}, {"a.bmp", false},   {"/p/a.bmp.jpg", true}};
  for (const Case& c : cases) EXPECT_EQ(IsJpegPath(c.path), c.jpeg) << c.path;
}

}  // namespace
}  // namespace orvane
