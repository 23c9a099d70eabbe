// Files brought from Windows and byte limits that must not cut a character.
#include "core/text_encoding.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Cp932ToUtf8, ConvertsShiftJisAndRejectsOtherBytes) {
  EXPECT_EQ(Cp932ToUtf8("ORVANE_\x90\xB3\x8E\xAE\x94\xC5"), "ORVANE_正式版");
  // The full-width tilde family differs between Shift_JIS variants; code page 932 maps 0x81 0x60 to U+FF5E.
  EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "～");
  EXPECT_EQ(Cp932ToUtf8("\x82"), std::nullopt);  // a lead byte with nothing after it
}

TEST(IsValidUtf8, AcceptsUtf8RejectsShiftJisAndOverlongs) {
  EXPECT_TRUE(IsValidUtf8("時は満ちたり・・・"));
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("\x8E\x9E"));      // 時 in Shift_JIS
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE6\x99"));      // cut sequence
}

TEST(TruncateUtf8, NeverEndsInsideACharacter) {
  const std::string caption = "ab時計";  // 2 + 3 + 3 bytes
  struct Case {
    std::size_t limit;
    const char* kept;
  } cases[] = {{8, "ab時計"}, {100, "ab時計"}, {7, "ab時"}, {6, "ab時"},
               {5, "ab時"},   {4, "ab"},       {2, "ab"},   {0, ""}};
  for (const Case& c : cases) EXPECT_EQ(TruncateUtf8(caption, c.limit), c.kept) << c.limit;
}

}  // namespace
}  // namespace orvane
