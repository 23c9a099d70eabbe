// Between the program's bitmaps and Qt's images.
#pragma once

#include <QImage>

#include "gfx/bitmap.h"

namespace orvane::tk {

// Any pixel format of gfx::Bitmap as an RGB32 image (an empty bitmap gives a null image).
QImage ToQImage(const gfx::Bitmap& bitmap);
// An image as a 24-bit bitmap (blue, green, red; rows padded to 4 bytes).
gfx::Bitmap From24BitImage(const QImage& image);

}  // namespace orvane::tk
