#include "gfx/region.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace orvane::gfx {
namespace {

// An 8-bit bitmap drawn as text: each character is a palette index ('K' = 0 is meant as the key, other
// letters count up from 'A' = 1). Rows are given from the top.
Bitmap Indexed(const std::vector<std::string>& rows) {
  Bitmap bitmap = Bitmap::Make(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 8);
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const char c = rows[y][x];
      bitmap.Row(y)[x] = c == 'K' ? 0 : static_cast<std::uint8_t>(c - 'A' + 1);
    }
  }
  return bitmap;
}

Bitmap Bgr24(int width, std::vector<std::uint32_t> rgb) {
  Bitmap bitmap = Bitmap::Make(width, static_cast<int>(rgb.size()) / width, 24);
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    std::uint8_t* p = bitmap.Row(static_cast<int>(i) / width) + i % width * 3;
    p[0] = static_cast<std::uint8_t>(rgb[i]), p[1] = static_cast<std::uint8_t>(rgb[i] >> 8);
    p[2] = static_cast<std::uint8_t>(rgb[i] >> 16);
  }
  return bitmap;
}

struct RegionCase {
  const char* name;
  Bitmap bitmap;
  Region expected;
  int depthAfter;
};

std::vector<RegionCase> Cases() {
  std::vector<RegionCase> cases;
  cases.push_back({"worked example: holes at (0,0) and (3,0)",
                   Indexed({"KAAKA", "AAAAA"}),
                   {{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 1, 5, 2}},
                   8});
  cases.push_back({"one colour gives none", Indexed({"BBBB", "BBBB", "BBBB"}), {}, 8});
  cases.push_back({"1 x 1 gives none", Indexed({"A"}), {}, 8});
  cases.push_back({"runs reaching the right edge, identical rows share a rectangle",
                   Indexed({"KKAB", "KKAB", "KKKB"}),
                   {{2, 0, 4, 2}, {3, 2, 4, 3}},
                   8});
  cases.push_back({"a row without opaque pixels stops sharing",
                   Indexed({"KAK", "KKK", "KAK"}),
                   {{1, 0, 2, 1}, {1, 2, 2, 3}},
                   8});
  cases.push_back({"a run that only overlaps the one above gets its own rectangle",
                   Indexed({"KAAK", "KAAA", "AAAK"}),
                   {{1, 0, 3, 1}, {1, 1, 4, 2}, {0, 2, 3, 3}},
                   8});
  {
    // Two palette entries of the same colour are different values: only index 0 is the key.
    Bitmap twoReds = Indexed({"KAK"});
    twoReds.palette[0] = twoReds.palette[1] = 0xFF0000;
    cases.push_back({"8-bit: same colour under another index is opaque", twoReds, {{1, 0, 2, 1}}, 8});
  }
  cases.push_back({"24-bit: one byte off the key is opaque",
                   Bgr24(3, {0x1020FE, 0x1020FF, 0x1020FE}),
                   {{1, 0, 2, 1}},
                   24});
  {
    // Blue, green, red, then a fourth byte that differs everywhere and must not matter.
    Bitmap four = Bitmap::Make(3, 1, 32);
    const std::uint8_t bytes[] = {1, 2, 3, 0, 1, 2, 3, 99, 1, 2, 4, 0};
    std::copy(std::begin(bytes), std::end(bytes), four.pixels.begin());
    cases.push_back({"32-bit: the fourth byte plays no part", four, {{2, 0, 3, 1}}, 24});
  }
  {
    // 1-bit row 0b0110'0000: pixels 1 and 2 set.
    Bitmap mono = Bitmap::Make(4, 1, 1);
    mono.pixels[0] = 0x60;
    cases.push_back({"1-bit pictures are compared as 8-bit indices", mono, {{1, 0, 3, 1}}, 8});
  }
  {
    // 16-bit 5-5-5: key white, then pure red, then white.
    Bitmap packed = Bitmap::Make(3, 1, 16);
    const std::uint8_t bytes[] = {0xFF, 0x7F, 0x00, 0x7C, 0xFF, 0x7F};
    std::copy(std::begin(bytes), std::end(bytes), packed.pixels.begin());
    cases.push_back({"16-bit pictures are compared as 24-bit colours", packed, {{1, 0, 2, 1}}, 24});
  }
  cases.push_back({"empty bitmap gives none", Bitmap{}, {}, 24});
  {
    Bitmap lying = Bitmap::Make(4, 4, 24);
    lying.pixels.resize(lying.stride * 3);  // one row short of what the fields say
    cases.push_back({"a buffer shorter than its rows gives none", lying, {}, 24});
  }
  return cases;
}

TEST(CreateRegionFromBitmap, CasesTable) {
  for (RegionCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CreateRegionFromBitmap(c.bitmap), c.expected);
    EXPECT_EQ(c.bitmap.bitsPerPixel, c.depthAfter);
  }
}

TEST(CreateRegionFromBitmap, ThirtyTwoBitPictureLosesItsFourthByte) {
  Bitmap bitmap = Bitmap::Make(3, 2, 32);
  for (std::size_t i = 0; i < bitmap.pixels.size(); ++i) bitmap.pixels[i] = static_cast<std::uint8_t>(i);
  CreateRegionFromBitmap(bitmap);
  ASSERT_EQ(bitmap.bitsPerPixel, 24);
  EXPECT_EQ(bitmap.stride, 12u);
  EXPECT_EQ(bitmap.pixels.size(), 24u);
  const std::vector<std::uint8_t> row1(bitmap.Row(1), bitmap.Row(1) + 9);
  EXPECT_EQ(row1, (std::vector<std::uint8_t>{12, 13, 14, 16, 17, 18, 20, 21, 22}));
}

// Whatever the sharing of rectangles between rows does, the region must cover exactly the pixels that
// differ from the key, each once. Random pictures with few colours give many runs, gaps and equal runs.
TEST(CreateRegionFromBitmap, CoversExactlyTheOpaquePixelsOfRandomPictures) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const int width = 1 + static_cast<int>(random() % 12), height = 1 + static_cast<int>(random() % 12);
    const int colours = 2 + static_cast<int>(random() % 2);
    Bitmap bitmap = Bitmap::Make(width, height, 8);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        // Mostly copy the row above, so that equal runs stack up.
        const bool copy = y > 0 && random() % 4 != 0;
        bitmap.Row(y)[x] = copy ? bitmap.Row(y - 1)[x] : static_cast<std::uint8_t>(random() % colours);
      }
    }
    const Bitmap original = bitmap;
    const Region region = CreateRegionFromBitmap(bitmap);

    std::vector<int> covered(static_cast<std::size_t>(width * height), 0);
    for (std::size_t i = 0; i < region.size(); ++i) {
      const Rect& r = region[i];
      ASSERT_TRUE(0 <= r.left && r.left < r.right && r.right <= width);
      ASSERT_TRUE(0 <= r.top && r.top < r.bottom && r.bottom <= height);
      if (i > 0) {
        const Rect& p = region[i - 1];
        ASSERT_TRUE(p.top < r.top || (p.top == r.top && p.left < r.left)) << "not sorted at " << i;
      }
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) ++covered[static_cast<std::size_t>(y * width + x)];
      }
    }
    const std::uint8_t key = original.Row(0)[0];
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        ASSERT_EQ(covered[static_cast<std::size_t>(y * width + x)], original.Row(y)[x] != key ? 1 : 0)
            << "round " << round << " pixel " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace orvane::gfx
