#include "toolkit/qt/qimage_convert.h"

#include <cstring>

#include "gfx/pixel_format.h"

namespace orvane::tk {

namespace {
// Blue, green, red in memory is Qt's BGR888; Qt's own converters take it from there.
QImage WrapBgr24(const gfx::Bitmap& b) {
  return QImage(b.pixels.data(), b.width, b.height, static_cast<qsizetype>(b.stride), QImage::Format_BGR888);
}
}  // namespace

QImage ToQImage(const gfx::Bitmap& b) {
  if (b.Empty() || !b.HasValidLayout()) return {};
  if (b.bitsPerPixel == 24) return WrapBgr24(b).convertToFormat(QImage::Format_RGB32);
  // Palettes, 16 and 32 bits: the same conversion the window shape uses.
  gfx::Bitmap copy = b;
  if (!gfx::ConvertToBgr24(copy)) return {};
  return WrapBgr24(copy).convertToFormat(QImage::Format_RGB32);
}

gfx::Bitmap From24BitImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_BGR888);
  gfx::Bitmap b = gfx::Bitmap::Make(image.width(), image.height(), 24);
  const std::size_t rowBytes = static_cast<std::size_t>(b.width) * 3;
  for (int y = 0; y < b.height; ++y) std::memcpy(b.Row(y), image.constScanLine(y), rowBytes);
  return b;
}

}  // namespace orvane::tk
