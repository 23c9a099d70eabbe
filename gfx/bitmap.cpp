#include "gfx/bitmap.h"

namespace orvane::gfx {

bool IsSupportedDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

std::size_t Bitmap::StrideFor(int width, int bitsPerPixel) {
  if (width <= 0 || bitsPerPixel <= 0) return 0;
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel);
  return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

bool Bitmap::HasValidLayout() const {
  if (Empty() || !IsSupportedDepth(bitsPerPixel)) return false;
  if (static_cast<std::int64_t>(width) * height > kMaxPixels) return false;
  const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitsPerPixel + 7) / 8;
  // Every row must fit in the stride, and the buffer must hold every row.
  return stride >= rowBytes && pixels.size() / stride >= static_cast<std::size_t>(height);
}

Bitmap Bitmap::Make(int width, int height, int bitsPerPixel) {
  Bitmap bitmap;
  bitmap.bitsPerPixel = bitsPerPixel;
  if (width <= 0 || height <= 0 || !IsSupportedDepth(bitsPerPixel) ||
      static_cast<std::int64_t>(width) * height > kMaxPixels) {
    return bitmap;
  }
  bitmap.width = width;
  bitmap.height = height;
  bitmap.stride = StrideFor(width, bitsPerPixel);
  bitmap.pixels.assign(bitmap.stride * static_cast<std::size_t>(height), 0);
  if (bitsPerPixel <= 8) bitmap.palette.assign(std::size_t{1} << bitsPerPixel, 0);
  return bitmap;
}

}  // namespace orvane::gfx
