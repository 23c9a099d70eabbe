#include "gfx/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/gfx/temp_file.h"

namespace orvane::gfx {
namespace {

// What a fixture file holds; BuildBmp lays it out with offsets and sizes that are all true.
struct BmpFixture {
  int width = 3;
  int height = 2;  // rows; stored bottom-up unless topDown
  bool topDown = false;
  int depth = 8;
  std::uint32_t headerSize = 40;  // 12 = OS/2 core header
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::vector<std::vector<std::uint8_t>> rows;  // from the top, unpadded
};

void Put(std::vector<std::uint8_t>& b, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
void Patch(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t value, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
std::uint32_t PaletteColour(int i) {
  return static_cast<std::uint32_t>((i * 3 & 0xFF) << 16 | (255 - i) << 8 | i);
}
std::size_t RowBytes(int width, int depth) {
  return (static_cast<std::size_t>(width) * depth + 7) / 8;
}

// Gives fixture.rows random contents, one row per line of the picture.
void FillRows(BmpFixture& fixture, unsigned seed) {
  std::mt19937 random(seed);
  fixture.rows.assign(fixture.height, std::vector<std::uint8_t>(RowBytes(fixture.width, fixture.depth)));
  for (auto& row : fixture.rows) {
    for (auto& byte : row) byte = static_cast<std::uint8_t>(random());
  }
}

std::vector<std::uint8_t> BuildBmp(const BmpFixture& fixture) {
  std::vector<std::uint8_t> b = {'B', 'M'};
  Put(b, 0, 4);  // file size, patched below
  Put(b, 0, 4);
  Put(b, 0, 4);  // pixel offset, patched below
  const bool core = fixture.headerSize == 12;
  Put(b, fixture.headerSize, 4);
  if (core) {
    Put(b, fixture.width, 2), Put(b, fixture.height, 2), Put(b, 1, 2), Put(b, fixture.depth, 2);
  } else {
    Put(b, fixture.width, 4);
    Put(b, static_cast<std::uint32_t>(fixture.topDown ? -fixture.height : fixture.height), 4);
    Put(b, 1, 2), Put(b, fixture.depth, 2), Put(b, fixture.compression, 4);
    Put(b, 0, 4);  // image size: 0 is allowed for uncompressed pixels
    Put(b, 2835, 4), Put(b, 2835, 4), Put(b, fixture.colorsUsed, 4), Put(b, 0, 4);
    if (fixture.headerSize > 40 || fixture.compression == 3) {
      for (std::uint32_t mask : fixture.masks) Put(b, mask, 4);
    }
    b.resize(std::max<std::size_t>(b.size(), 14 + fixture.headerSize), 0);
  }
  const int entries = fixture.depth > 8    ? 0
                      : fixture.colorsUsed ? static_cast<int>(fixture.colorsUsed)
                                           : 1 << fixture.depth;
  for (int i = 0; i < entries; ++i) Put(b, PaletteColour(i), core ? 3 : 4);
  Patch(b, 10, static_cast<std::uint32_t>(b.size()));
  const std::size_t stride = (RowBytes(fixture.width, fixture.depth) + 3) / 4 * 4;
  for (int i = 0; i < fixture.height; ++i) {
    const auto& row = fixture.rows[fixture.topDown ? i : fixture.height - 1 - i];
    b.insert(b.end(), row.begin(), row.end());
    b.resize(b.size() + stride - row.size(), 0);
  }
  Patch(b, 2, static_cast<std::uint32_t>(b.size()));
  return b;
}

struct ValidCase {
  const char* name;
  BmpFixture fixture;
};

std::vector<ValidCase> ValidCases() {
  std::vector<ValidCase> cases;
  for (int depth : {1, 4, 8, 16, 24, 32}) {
    for (bool topDown : {false, true}) {
      BmpFixture fixture;
      fixture.depth = depth;
      fixture.topDown = topDown;
      fixture.width = 5;  // odd, so rows are padded
      fixture.height = 3;
      cases.push_back({topDown ? "top-down" : "bottom-up", fixture});
    }
  }
  BmpFixture rgb565;
  rgb565.depth = 16, rgb565.compression = 3, rgb565.masks[0] = 0xF800, rgb565.masks[1] = 0x07E0;
  rgb565.masks[2] = 0x001F;
  cases.push_back({"16-bit 5-6-5 masks after a 40-byte header", rgb565});
  BmpFixture v5 = rgb565;
  v5.depth = 32, v5.headerSize = 124, v5.masks[0] = 0xFF, v5.masks[1] = 0xFF00, v5.masks[2] = 0xFF0000;
  cases.push_back({"32-bit masks inside a V5 header", v5});
  BmpFixture v4;
  v4.depth = 24, v4.headerSize = 108, v4.topDown = true;
  cases.push_back({"24-bit V4 header", v4});
  BmpFixture os2;
  os2.depth = 8, os2.headerSize = 12;
  cases.push_back({"OS/2 core header with three-byte palette entries", os2});
  BmpFixture shortPalette;
  shortPalette.depth = 8, shortPalette.colorsUsed = 3;
  cases.push_back({"palette shorter than the depth allows", shortPalette});
  return cases;
}

// Each depth in both row orders and each header kind: rows come out from the top, byte for byte, the
// palette holds every entry the file gave (the rest black) and the masks are kept.
TEST(LoadBmpFile, ReadsEveryDepthAndHeader) {
  unsigned seed = 1;
  for (ValidCase& c : ValidCases()) {
    SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(c.fixture.depth) + " bits");
    FillRows(c.fixture, seed++);
    const TempFile file(BuildBmp(c.fixture));
    Bitmap bitmap;
    std::string error;
    ASSERT_TRUE(LoadBmpFile(file.path(), bitmap, &error)) << error;
    EXPECT_EQ(bitmap.width, c.fixture.width);
    EXPECT_EQ(bitmap.height, c.fixture.height);
    EXPECT_EQ(bitmap.bitsPerPixel, c.fixture.depth);
    ASSERT_TRUE(bitmap.HasValidLayout());
    for (int y = 0; y < bitmap.height; ++y) {
      const std::vector<std::uint8_t> row(bitmap.Row(y), bitmap.Row(y) + c.fixture.rows[y].size());
      EXPECT_EQ(row, c.fixture.rows[y]) << "row " << y;
    }
    if (c.fixture.depth <= 8) {
      ASSERT_EQ(bitmap.palette.size(), std::size_t{1} << c.fixture.depth);
      const int given = c.fixture.colorsUsed ? static_cast<int>(c.fixture.colorsUsed) : 1 << c.fixture.depth;
      for (int i = 0; i < (1 << c.fixture.depth); ++i) {
        EXPECT_EQ(bitmap.palette[i], i < given ? PaletteColour(i) : 0u) << "entry " << i;
      }
    }
    const bool masked = c.fixture.compression == 3;
    EXPECT_EQ(bitmap.redMask, masked ? c.fixture.masks[0] : 0u);
    EXPECT_EQ(bitmap.blueMask, masked ? c.fixture.masks[2] : 0u);
  }
}

std::vector<std::uint8_t> Base8Bit() {
  BmpFixture fixture;
  fixture.width = 4, fixture.height = 4;
  FillRows(fixture, 99);
  return BuildBmp(fixture);  // pixels at 14 + 40 + 1024 = 1078
}

std::vector<std::uint8_t> Base16BitMasks() {
  BmpFixture fixture;
  fixture.depth = 16, fixture.compression = 3, fixture.masks[0] = 0xF800, fixture.masks[1] = 0x07E0,
  fixture.masks[2] = 0x1F;
  FillRows(fixture, 98);
  return BuildBmp(fixture);  // masks at 54, 58, 62
}

struct BrokenCase {
  const char* name;
  std::function<std::vector<std::uint8_t>()> make;
  const char* reason;  // part of the error text, so the file fails for the reason meant
};

// Headers that lie, pictures too large to hold and files cut short: each one a plain failure, with
// nothing allocated for the claimed size and (under the sanitizers) nothing read outside the file.
TEST(LoadBmpFile, RefusesMalformedFiles) {
  auto patched = [](std::function<std::vector<std::uint8_t>()> base, std::size_t at, std::uint32_t value,
                    int bytes = 4) {
    return [=] {
      auto b = base();
      Patch(b, at, value, bytes);
      return b;
    };
  };
  auto cut = [](std::size_t keep) {
    return [=] {
      auto b = Base8Bit();
      b.resize(keep);
      return b;
    };
  };
  const BrokenCase cases[] = {
      {"empty file", [] { return std::vector<std::uint8_t>{}; }, "not a bitmap"},
      {"wrong signature", patched(Base8Bit, 0, 'P', 1), "not a bitmap"},
      {"unknown header size", patched(Base8Bit, 14, 64), "header size"},
      {"file ends inside the info header", cut(30), "header is cut short"},
      {"zero width", patched(Base8Bit, 18, 0), "not positive"},
      {"negative width", patched(Base8Bit, 18, static_cast<std::uint32_t>(-4)), "not positive"},
      {"zero height", patched(Base8Bit, 22, 0), "not positive"},
      {"most negative height", patched(Base8Bit, 22, 0x80000000u), "too large"},
      {"two planes", patched(Base8Bit, 26, 2, 2), "plane"},
      {"7 bits per pixel", patched(Base8Bit, 28, 7, 2), "bits per pixel"},
      {"run-length encoded", patched(Base8Bit, 30, 1), "compressed"},
      {"masks on an 8-bit picture", patched(Base8Bit, 30, 3), "compressed"},
      {"just over 100 megapixels", patched(patched(Base8Bit, 18, 10001), 22, 10000), "too large"},
      {"size whose product overflows", patched(patched(Base8Bit, 18, 0x7FFFFFFF), 22, 0x7FFFFFFF),
       "too large"},
      {"more colours than 8 bits hold", patched(Base8Bit, 46, 257), "palette is too long"},
      {"colour count near 2^32", patched(Base8Bit, 46, 0xFFFFFFFFu), "palette is too long"},
      {"file ends inside the palette", cut(500), "palette is cut short"},
      {"pixel offset inside the header", patched(Base8Bit, 10, 20), "overlap"},
      {"pixel offset inside the palette", patched(Base8Bit, 10, 1000), "overlap"},
      {"pixel offset past the end", patched(Base8Bit, 10, 0xFFFFFFF0u), "pixels are cut short"},
      {"pixels missing their last byte",
       [] {
         auto b = Base8Bit();
         b.pop_back();
         return b;
       },
       "pixels are cut short"},
      {"a zero mask", patched(Base16BitMasks, 62, 0), "masks"},
      {"overlapping masks", patched(Base16BitMasks, 58, 0x0FE0), "masks"},
      {"a mask with a gap", patched(Base16BitMasks, 62, 0x0011), "masks"},
      {"a mask outside 16 bits", patched(Base16BitMasks, 62, 0x10000), "masks"},
      {"masks cut short",
       [] {
         auto b = Base16BitMasks();
         b.resize(60);
         return b;
       },
       "masks are cut short"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFile file(c.make());
    Bitmap bitmap = Bitmap::Make(2, 2, 24);  // whatever was there before is dropped
    std::string error;
    EXPECT_FALSE(LoadBmpFile(file.path(), bitmap, &error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_TRUE(bitmap.pixels.empty());
  }
  Bitmap bitmap;
  EXPECT_FALSE(LoadBmpFile(testing::TempDir() + "orvane_no_such_file.bmp", bitmap));
}

}  // namespace
}  // namespace orvane::gfx
