#include "gfx/pixel_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvane::gfx {
namespace {

std::vector<std::uint8_t> RowBytes(const Bitmap& bitmap, int y, std::size_t count) {
  return {bitmap.Row(y), bitmap.Row(y) + count};
}

// 1- and 4-bit pixels become one index byte each, leftmost pixel from the high bits, across byte
// boundaries and in odd widths; the palette and so the colours stay as they were.
TEST(ConvertToIndexed8, UnpacksIndicesAndKeepsThePalette) {
  Bitmap mono = Bitmap::Make(10, 2, 1);
  mono.palette = {0x000000, 0xFFFFFF};
  mono.Row(1)[0] = 0b1010'0001;
  mono.Row(1)[1] = 0b1100'0000;
  ASSERT_TRUE(ConvertToIndexed8(mono));
  EXPECT_EQ(mono.bitsPerPixel, 8);
  EXPECT_EQ(mono.stride, 12u);
  EXPECT_EQ(RowBytes(mono, 0, 10), std::vector<std::uint8_t>(10, 0));
  EXPECT_EQ(RowBytes(mono, 1, 10), (std::vector<std::uint8_t>{1, 0, 1, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(mono.palette, (std::vector<std::uint32_t>{0x000000, 0xFFFFFF}));

  Bitmap nibbles = Bitmap::Make(3, 1, 4);
  nibbles.palette[15] = 0x123456;
  nibbles.Row(0)[0] = 0xF2;
  nibbles.Row(0)[1] = 0x70;  // the low nibble is padding
  ASSERT_TRUE(ConvertToIndexed8(nibbles));
  EXPECT_EQ(RowBytes(nibbles, 0, 3), (std::vector<std::uint8_t>{15, 2, 7}));
  EXPECT_EQ(nibbles.palette.size(), 16u);
  EXPECT_EQ(nibbles.palette[15], 0x123456u);
}

struct PackedCase {
  const char* name;
  int depth;
  std::uint32_t red, green, blue;  // masks; 0 = default layout
  std::vector<std::uint8_t> in;    // one row
  std::vector<std::uint8_t> out;   // blue, green, red
};

TEST(ConvertToBgr24, PackedPixelsTable) {
  const PackedCase cases[] = {
      // 5-5-5: white, pure red, pure blue, green 16 of 31 (132 of 255)
      {"16-bit 5-5-5",
       16,
       0,
       0,
       0,
       {0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0x00, 0x02},
       {255, 255, 255, 0, 0, 255, 255, 0, 0, 0, 132, 0}},
      // 5-6-5: the sixth green bit counts, the top bit is red
      {"16-bit 5-6-5 masks",
       16,
       0xF800,
       0x07E0,
       0x001F,
       {0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00},
       {0, 0, 255, 0, 255, 0, 0, 4, 0}},
      {"32-bit drops the fourth byte", 32, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 5, 6, 7}},
      // red in the lowest byte, as some writers lay it out
      {"32-bit masks", 32, 0x0000FF, 0x00FF00, 0xFF0000, {1, 2, 3, 4, 5, 6, 7, 8}, {3, 2, 1, 7, 6, 5}},
  };
  for (const PackedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const int width = static_cast<int>(c.out.size() / 3);
    Bitmap bitmap = Bitmap::Make(width, 2, c.depth);
    bitmap.redMask = c.red, bitmap.greenMask = c.green, bitmap.blueMask = c.blue;
    for (int y = 0; y < 2; ++y) std::copy(c.in.begin(), c.in.end(), bitmap.Row(y));
    ASSERT_TRUE(ConvertToBgr24(bitmap));
    EXPECT_EQ(bitmap.bitsPerPixel, 24);
    EXPECT_EQ(bitmap.stride, Bitmap::StrideFor(width, 24));
    EXPECT_EQ(bitmap.pixels.size(), bitmap.stride * 2);
    EXPECT_EQ(bitmap.redMask | bitmap.greenMask | bitmap.blueMask, 0u);
    for (int y = 0; y < 2; ++y) EXPECT_EQ(RowBytes(bitmap, y, c.out.size()), c.out) << "row " << y;
  }
}

TEST(ConvertToBgr24, PaletteIndicesBecomeTheirColours) {
  Bitmap bitmap = Bitmap::Make(3, 1, 8);
  bitmap.palette[1] = 0x102030;
  bitmap.palette.resize(2);  // index 5 has no entry: black
  bitmap.Row(0)[0] = 1;
  bitmap.Row(0)[1] = 5;
  ASSERT_TRUE(ConvertToBgr24(bitmap));
  EXPECT_EQ(RowBytes(bitmap, 0, 9), (std::vector<std::uint8_t>{0x30, 0x20, 0x10, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(bitmap.palette.empty());
}

// The region's formats: 8 and 24 bits stay byte for byte as they are; the rest land on one of them.
// A bitmap whose buffer does not hold its rows is refused and left alone.
TEST(ConvertToComparableFormat, ChoosesEightOrTwentyFourBits) {
  const std::pair<int, int> depths[] = {{1, 8}, {4, 8}, {8, 8}, {16, 24}, {24, 24}, {32, 24}};
  for (auto [from, to] : depths) {
    Bitmap bitmap = Bitmap::Make(5, 3, from);
    for (std::size_t i = 0; i < bitmap.pixels.size(); ++i)
      bitmap.pixels[i] = static_cast<std::uint8_t>(i * 7);
    const Bitmap before = bitmap;
    EXPECT_EQ(ConvertToComparableFormat(bitmap), to) << from;
    EXPECT_EQ(bitmap.bitsPerPixel, to) << from;
    if (from == to) {
      EXPECT_EQ(bitmap.pixels, before.pixels) << from;
    }
  }
  Bitmap shortBuffer = Bitmap::Make(5, 3, 32);
  shortBuffer.pixels.pop_back();
  EXPECT_EQ(ConvertToComparableFormat(shortBuffer), 0);
  EXPECT_EQ(shortBuffer.bitsPerPixel, 32);
  Bitmap empty;
  EXPECT_EQ(ConvertToComparableFormat(empty), 0);
}

}  // namespace
}  // namespace orvane::gfx
