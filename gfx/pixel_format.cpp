#include "gfx/pixel_format.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace orvane::gfx {
namespace {

// Pixel `x` of a 1-, 4- or 8-bit row: the leftmost pixel sits in the most significant bits of a byte.
std::uint8_t IndexAt(const std::uint8_t* row, int x, int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 0x01;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default:
      return row[x];
  }
}

// One colour channel of a packed pixel: where its bits sit and how to widen them to 0..255.
class Channel {
 public:
  explicit Channel(std::uint32_t mask) : mask_(mask) {
    if (mask_ == 0) return;
    shift_ = std::countr_zero(mask_);
    max_ = mask_ >> shift_;  // all ones for a contiguous mask; the readers refuse any other kind
  }
  std::uint8_t operator()(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    const std::uint64_t value = (pixel & mask_) >> shift_;
    // Rounded scaling maps 0 to 0 and the full value to 255 for every width (for 5 bits it equals the
    // usual bit replication); wider channels keep their top eight bits the same way.
    return static_cast<std::uint8_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_ = 0;
  int shift_ = 0;
  std::uint32_t max_ = 0;
};

// The masks a packed pixel uses: its own, or the default layout when they are all zero.
void MasksOf(const Bitmap& bitmap, std::uint32_t& red, std::uint32_t& green, std::uint32_t& blue) {
  if (bitmap.redMask != 0 || bitmap.greenMask != 0 || bitmap.blueMask != 0) {
    red = bitmap.redMask;
    green = bitmap.greenMask;
    blue = bitmap.blueMask;
  } else if (bitmap.bitsPerPixel == 16) {
    red = 0x7C00, green = 0x03E0, blue = 0x001F;
  } else {
    red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF;
  }
}

void WriteBgr(std::uint8_t* out, std::uint32_t rgb) {
  out[0] = static_cast<std::uint8_t>(rgb);
  out[1] = static_cast<std::uint8_t>(rgb >> 8);
  out[2] = static_cast<std::uint8_t>(rgb >> 16);
}

// The default 32-bit layout already starts with blue, green, red: drop every fourth byte, working forwards
// in the same buffer, which is safe because a pixel's new place never lies after its old one.
void DropFourthBytes(Bitmap& bitmap, std::size_t newStride) {
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* in = bitmap.Row(y);
    std::uint8_t* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * newStride;
    for (int x = 0; x < bitmap.width; ++x, in += 4, out += 3) {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
    for (std::size_t pad = static_cast<std::size_t>(bitmap.width) * 3; pad < newStride; ++pad) {
      bitmap.pixels[static_cast<std::size_t>(y) * newStride + pad] = 0;
    }
  }
  bitmap.pixels.resize(newStride * static_cast<std::size_t>(bitmap.height));
}

}  // namespace

bool ConvertToIndexed8(Bitmap& bitmap) {
  if (!bitmap.HasValidLayout() || bitmap.bitsPerPixel > 8) return false;
  if (bitmap.bitsPerPixel == 8) return true;
  Bitmap converted = Bitmap::Make(bitmap.width, bitmap.height, 8);
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* in = bitmap.Row(y);
    std::uint8_t* out = converted.Row(y);
    for (int x = 0; x < bitmap.width; ++x) out[x] = IndexAt(in, x, bitmap.bitsPerPixel);
  }
  converted.palette = std::move(bitmap.palette);
  bitmap = std::move(converted);
  return true;
}

bool ConvertToBgr24(Bitmap& bitmap) {
  if (!bitmap.HasValidLayout()) return false;
  const int depth = bitmap.bitsPerPixel;
  if (depth == 24) return true;
  std::uint32_t red = 0, green = 0, blue = 0;
  if (depth > 8) MasksOf(bitmap, red, green, blue);
  const std::size_t newStride = Bitmap::StrideFor(bitmap.width, 24);

  if (depth == 32 && red == 0xFF0000 && green == 0x00FF00 && blue == 0x0000FF) {
    DropFourthBytes(bitmap, newStride);
  } else {
    Bitmap converted = Bitmap::Make(bitmap.width, bitmap.height, 24);
    const Channel r(red), g(green), b(blue);
    for (int y = 0; y < bitmap.height; ++y) {
      const std::uint8_t* in = bitmap.Row(y);
      std::uint8_t* out = converted.Row(y);
      for (int x = 0; x < bitmap.width; ++x, out += 3) {
        if (depth <= 8) {
          const std::uint8_t index = IndexAt(in, x, depth);
          WriteBgr(out, index < bitmap.palette.size() ? bitmap.palette[index] : 0);
          continue;
        }
        std::uint32_t pixel = 0;
        if (depth == 16) {
          pixel = in[2 * x] | in[2 * x + 1] << 8;
        } else {
          const std::uint8_t* p = in + 4 * static_cast<std::size_t>(x);
          pixel = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        }
        out[0] = b(pixel);
        out[1] = g(pixel);
        out[2] = r(pixel);
      }
    }
    bitmap.pixels = std::move(converted.pixels);
  }
  bitmap.bitsPerPixel = 24;
  bitmap.stride = newStride;
  bitmap.palette.clear();
  bitmap.redMask = bitmap.greenMask = bitmap.blueMask = 0;
  return true;
}

int ConvertToComparableFormat(Bitmap& bitmap) {
  if (!bitmap.HasValidLayout()) return 0;
  if (bitmap.bitsPerPixel <= 8) return ConvertToIndexed8(bitmap) ? 8 : 0;
  return ConvertToBgr24(bitmap) ? 24 : 0;
}

}  // namespace orvane::gfx
