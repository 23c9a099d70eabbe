// Reading JPEG files: the header when a picture is loaded, the pixels when it is copied into a bitmap.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace orvane::gfx {

// Larger files are refused unread. A picture of kMaxPixels stays well below this even at the highest
// quality, and reading a file whole must never take an unbounded amount of memory.
inline constexpr std::uint64_t kMaxJpegFileBytes = 256u << 20;

// A loaded JPEG picture: the whole file, and the size its header gives.
struct JpegPicture {
  std::vector<std::uint8_t> data;
  int width = 0;
  int height = 0;

  bool Empty() const { return width <= 0 || height <= 0; }
};

// Reads the file whole and parses its header. Fails for a missing file, a file over kMaxJpegFileBytes,
// a broken header or a picture over kMaxPixels. On failure `out` is empty and `error`, if given, says why.
bool LoadJpegFile(const std::string& path, JpegPicture& out, std::string* error = nullptr);

// The width and height of the JPEG data in `data`, from its header alone; fails as LoadJpegFile does.
bool ReadJpegSize(std::span<const std::uint8_t> data, int& width, int& height, std::string* error = nullptr);

// Decodes JPEG data at full size into a 24-bit (blue, green, red) bitmap, rows from the top. Colour,
// grayscale, progressive and CMYK or YCCK pictures (Adobe's inverted values or plain ones) are read.
// Data that ends early or is damaged where pixels are lost is a failure, as is a picture over kMaxPixels,
// which is refused before any pixel memory is allocated. On failure `out` is empty.
bool DecodeJpeg(std::span<const std::uint8_t> data, Bitmap& out, std::string* error = nullptr);

}  // namespace orvane::gfx
