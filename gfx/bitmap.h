// A picture in memory: the pixels a bitmap file or a decoded JPEG gives, rows from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane::gfx {

// Pictures with more pixels are refused when loaded: 100 megapixels already take 300 MB at 24 bits per
// pixel, and no chime picture needs more. Refusing early turns a hostile or broken header into a plain load
// failure instead of a giant allocation.
inline constexpr std::int64_t kMaxPixels = 100'000'000;

struct Bitmap {
  int width = 0;
  int height = 0;
  // 1, 4 or 8: palette indices; 16 (5-5-5 unless masks say otherwise), 24 (blue, green, red)
  // or 32 (blue, green, red, unused) bits per pixel otherwise.
  int bitsPerPixel = 24;
  // 0x00RRGGBB, for 1/4/8 bits per pixel. Bitmaps made here and by the readers hold 2^bitsPerPixel
  // entries, so that every index a pixel can hold has a colour (entries a file leaves out are black).
  std::vector<std::uint32_t> palette;
  // Channel masks of 16- and 32-bit pixels (BI_BITFIELDS); zero means the default layout.
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
  std::size_t stride = 0;            // bytes per row
  std::vector<std::uint8_t> pixels;  // height * stride bytes, row 0 first

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint8_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * stride; }
  const std::uint8_t* Row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * stride; }

  // True when the fields describe pixels that are all there: a supported depth, a size within kMaxPixels,
  // a stride that holds a whole row and bytes for every row. Code that walks the pixels of a bitmap it did
  // not make checks this first, so that a hand-filled bitmap can never make it read outside the buffer.
  bool HasValidLayout() const;

  // Bytes of a row of `width` pixels, rounded up to whole 32-bit words as rows are stored in bitmap files,
  // so a file's rows can be read straight into a bitmap. 0 for a width or depth that makes no row.
  static std::size_t StrideFor(int width, int bitsPerPixel);

  // An empty (0 x 0) or newly allocated, zero-filled bitmap of the given format. Palette depths get
  // 2^bitsPerPixel black entries. A size of 0, an unsupported depth or more than kMaxPixels pixels give
  // the empty bitmap.
  static Bitmap Make(int width, int height, int bitsPerPixel);
};

// 1, 4, 8, 16, 24 or 32: the depths a bitmap can hold.
bool IsSupportedDepth(int bitsPerPixel);

}  // namespace orvane::gfx
