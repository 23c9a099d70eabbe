#include "toolkit/qt/qimage_convert.h"

#include <bit>
#include <cstring>

namespace orvane::tk {

namespace {
// A masked channel scaled to 0..255.
int Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255u / max);
}
}  // namespace

QImage ToQImage(const gfx::Bitmap& b) {
  if (b.Empty()) return {};
  QImage image(b.width, b.height, QImage::Format_RGB32);
  const std::size_t need = static_cast<std::size_t>(b.height) * b.stride;
  if (b.pixels.size() < need) return {};
  for (int y = 0; y < b.height; ++y) {
    const std::uint8_t* src = b.Row(y);
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < b.width; ++x) {
      std::uint32_t rgb = 0;
      switch (b.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
          const int bpp = b.bitsPerPixel;
          const int bit = x * bpp;
          const int index = (src[bit / 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1);
          rgb = static_cast<std::size_t>(index) < b.palette.size()
                    ? b.palette[static_cast<std::size_t>(index)]
                    : 0;
          break;
        }
        case 16: {
          const std::uint32_t p = src[2 * x] | (src[2 * x + 1] << 8);
          const std::uint32_t rm = b.redMask ? b.redMask : 0x7C00, gm = b.greenMask ? b.greenMask : 0x03E0,
                              bm = b.blueMask ? b.blueMask : 0x001F;
          rgb = (Channel(p, rm) << 16) | (Channel(p, gm) << 8) | Channel(p, bm);
          break;
        }
        case 24:
          rgb = (src[3 * x + 2] << 16) | (src[3 * x + 1] << 8) | src[3 * x];
          break;
        case 32: {
          std::uint32_t p;
          std::memcpy(&p, src + 4 * x, 4);
          if (b.redMask || b.greenMask || b.blueMask)
            rgb = (Channel(p, b.redMask) << 16) | (Channel(p, b.greenMask) << 8) | Channel(p, b.blueMask);
          else
            rgb = p & 0xFFFFFFu;
          break;
        }
        default:
          break;
      }
      dst[x] = 0xFF000000u | rgb;
    }
  }
  return image;
}

gfx::Bitmap From24BitImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  gfx::Bitmap b = gfx::Bitmap::Make(image.width(), image.height(), 24);
  for (int y = 0; y < b.height; ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* dst = b.Row(y);
    for (int x = 0; x < b.width; ++x) {
      dst[3 * x] = static_cast<std::uint8_t>(qBlue(src[x]));
      dst[3 * x + 1] = static_cast<std::uint8_t>(qGreen(src[x]));
      dst[3 * x + 2] = static_cast<std::uint8_t>(qRed(src[x]));
    }
  }
  return b;
}

}  // namespace orvane::tk
