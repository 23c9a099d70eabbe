#include "gfx/bmp_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <vector>

namespace orvane::gfx {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kCoreHeaderSize = 12;
constexpr std::uint64_t kInfoHeaderSize = 40;
// File offset of the three masks: right after a 40-byte info header, or its first fields beyond it in
// the larger headers, which put them at the same place.
constexpr std::size_t kMasksOffset = 54;
// Everything the reader needs before the pixels: the file header, the largest info header, three masks
// and a palette of 256 four-byte entries.
constexpr std::size_t kMaxPrefix = 14 + 124 + 12 + 256 * 4;

std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool Fail(Bitmap& out, std::string* error, const char* why) {
  out = Bitmap{};
  if (error) *error = why;
  return false;
}

// Channel masks must be single blocks of bits, inside the pixel and apart from each other; otherwise the
// file cannot be shown as anyone meant it.
bool MasksAreSound(std::uint32_t red, std::uint32_t green, std::uint32_t blue, int bitsPerPixel) {
  const std::uint32_t inside = bitsPerPixel == 16 ? 0xFFFFu : 0xFFFFFFFFu;
  for (std::uint32_t mask : {red, green, blue}) {
    if (mask == 0 || (mask & ~inside) != 0) return false;
    const std::uint32_t lowest = mask & (~mask + 1);
    if (((mask + lowest) & mask) != 0) return false;  // a gap inside the mask
  }
  return (red & green) == 0 && (red & blue) == 0 && (green & blue) == 0;
}

}  // namespace

bool LoadBmpFile(const std::string& path, Bitmap& out, std::string* error) {
  out = Bitmap{};
  std::ifstream file(path, std::ios::binary);
  if (!file) return Fail(out, error, "cannot open the file");
  file.seekg(0, std::ios::end);
  const std::streamoff end = file.tellg();
  file.seekg(0, std::ios::beg);
  if (end < 0 || !file) return Fail(out, error, "cannot read the file");
  const auto fileSize = static_cast<std::uint64_t>(end);

  std::vector<std::uint8_t> prefix(static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kMaxPrefix)));
  if (!file.read(reinterpret_cast<char*>(prefix.data()), static_cast<std::streamsize>(prefix.size()))) {
    return Fail(out, error, "cannot read the file");
  }
  const std::uint8_t* p = prefix.data();
  if (prefix.size() < kFileHeaderSize + 4 || p[0] != 'B' || p[1] != 'M') {
    return Fail(out, error, "not a bitmap file");
  }
  // The file header's size field is not used: writers often leave it 0 or wrong, and the file's real
  // size is what bounds every read below.
  const std::uint32_t pixelOffset = U32(p + 10);
  const std::uint32_t headerSize = U32(p + 14);

  std::int64_t width = 0, height = 0;
  int planes = 0, depth = 0;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  std::uint64_t headerEnd = 0, paletteEntry = 4;
  bool topDown = false;
  if (headerSize == kCoreHeaderSize) {
    headerEnd = kFileHeaderSize + kCoreHeaderSize;
    if (prefix.size() < headerEnd) return Fail(out, error, "the header is cut short");
    width = U16(p + 18);
    height = U16(p + 20);
    planes = U16(p + 22);
    depth = U16(p + 24);
    paletteEntry = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
             headerSize == 124) {
    headerEnd = kFileHeaderSize + headerSize;
    if (prefix.size() < headerEnd) return Fail(out, error, "the header is cut short");
    width = static_cast<std::int32_t>(U32(p + 18));
    height = static_cast<std::int32_t>(U32(p + 22));
    planes = U16(p + 26);
    depth = U16(p + 28);
    compression = U32(p + 30);
    // The image size field (p + 34) is not used either: it may be 0 for uncompressed pixels, and the
    // size that matters follows from width, height and depth.
    colorsUsed = U32(p + 46);
    // A 40-byte header keeps its masks in three fields after it.
    if (headerSize == kInfoHeaderSize && compression == kBiBitfields) headerEnd += 12;
    if (prefix.size() < headerEnd) return Fail(out, error, "the masks are cut short");
    topDown = height < 0;
    height = height < 0 ? -height : height;
  } else {
    return Fail(out, error, "unknown header size");
  }

  if (planes != 1) return Fail(out, error, "the plane count is not 1");
  if (!IsSupportedDepth(depth)) return Fail(out, error, "unsupported bits per pixel");
  if (compression != kBiRgb && !(compression == kBiBitfields && (depth == 16 || depth == 32))) {
    return Fail(out, error, "compressed or unknown pixel encoding");
  }
  if (width <= 0 || height <= 0) return Fail(out, error, "the width or height is not positive");
  if (width * height > kMaxPixels) return Fail(out, error, "the picture is too large");

  std::uint64_t paletteSize = 0;
  if (depth <= 8) {
    paletteSize = colorsUsed == 0 ? (std::uint64_t{1} << depth) : colorsUsed;
    if (paletteSize > (std::uint64_t{1} << depth)) return Fail(out, error, "the palette is too long");
  }
  const std::uint64_t paletteEnd = headerEnd + paletteSize * paletteEntry;
  if (paletteEnd > prefix.size()) return Fail(out, error, "the palette is cut short");
  if (pixelOffset < paletteEnd) return Fail(out, error, "the pixels overlap the header");

  std::uint32_t red = 0, green = 0, blue = 0;
  if (compression == kBiBitfields) {
    red = U32(p + kMasksOffset);
    green = U32(p + kMasksOffset + 4);
    blue = U32(p + kMasksOffset + 8);
    if (!MasksAreSound(red, green, blue, depth)) return Fail(out, error, "unusable channel masks");
  }

  const int w = static_cast<int>(width), h = static_cast<int>(height);
  const std::uint64_t pixelBytes = Bitmap::StrideFor(w, depth) * static_cast<std::uint64_t>(h);
  if (pixelOffset > fileSize || fileSize - pixelOffset < pixelBytes) {
    return Fail(out, error, "the pixels are cut short");
  }

  out = Bitmap::Make(w, h, depth);
  for (std::uint64_t i = 0; i < paletteSize; ++i) {
    const std::uint8_t* entry = p + headerEnd + i * paletteEntry;
    out.palette[i] = entry[0] | entry[1] << 8 | entry[2] << 16;  // blue, green, red
  }
  out.redMask = red;
  out.greenMask = green;
  out.blueMask = blue;

  file.seekg(static_cast<std::streamoff>(pixelOffset), std::ios::beg);
  if (!file.read(reinterpret_cast<char*>(out.pixels.data()), static_cast<std::streamsize>(pixelBytes))) {
    return Fail(out, error, "the pixels are cut short");
  }
  if (!topDown) {
    for (int y = 0; y < h / 2; ++y) std::swap_ranges(out.Row(y), out.Row(y) + out.stride, out.Row(h - 1 - y));
  }
  return true;
}

}  // namespace orvane::gfx
