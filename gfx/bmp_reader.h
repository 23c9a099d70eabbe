// Reading bitmap (.bmp) files into a Bitmap.
#pragma once

#include <string>

#include "gfx/bitmap.h"

namespace orvane::gfx {

// Loads an uncompressed bitmap file: a file header followed by a 40-byte info header (or its 52-, 56-,
// 108- and 124-byte successors, or the 12-byte OS/2 core header), 1, 4, 8, 16, 24 or 32 bits per pixel,
// stored bottom-up or top-down, plain or with channel masks (BI_BITFIELDS, 16 and 32 bits only).
// The result has rows from the top, palette depths keep their indices (the palette holds 2^bits entries),
// and the masks are kept for 16- and 32-bit pixels. Compressed files (RLE, embedded JPEG or PNG) are not
// read. Every header field is checked against the file: a size, offset, count or mask that cannot be true,
// a picture over kMaxPixels or pixels missing from the end make the load fail before anything is read
// outside the file or allocated for it. On failure `out` is empty and `error`, if given, says why.
bool LoadBmpFile(const std::string& path, Bitmap& out, std::string* error = nullptr);

}  // namespace orvane::gfx
