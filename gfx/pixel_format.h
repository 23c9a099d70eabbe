// Conversions between the pixel formats a bitmap can hold, done on the bitmap itself.
#pragma once

#include "gfx/bitmap.h"

namespace orvane::gfx {

// Brings a 1- or 4-bit bitmap to 8 bits per pixel. Each pixel keeps its palette index and the palette is
// kept as it is, so the picture shows exactly the colours it had and each pixel's value still stands for
// its colour. (Remapping to a fixed 256-colour halftone palette would make near colours equal, but it would
// also change the colours of the picture that is shown, which is drawn from this very bitmap.)
// An 8-bit bitmap is left alone. Returns false, changing nothing, for any other depth or a bitmap whose
// layout is not valid.
bool ConvertToIndexed8(Bitmap& bitmap);

// Brings a bitmap of any depth to 24 bits per pixel (blue, green, red): palette depths look each index up
// (an index without an entry is black), 16 bits take 5-5-5 or their masks, 32 bits drop the fourth byte
// or take their masks. Channels narrower than 8 bits are scaled so that their full value is 255.
// A 24-bit bitmap is left alone. Returns false, changing nothing, for a bitmap whose layout is not valid.
bool ConvertToBgr24(Bitmap& bitmap);

// The two formats whose pixels the window region compares: 1, 4 and 8 bits become 8 (palette indices),
// 16, 24 and 32 bits become 24. Returns the depth the bitmap now has, or 0 when its layout is not valid
// (the bitmap is left as it was).
int ConvertToComparableFormat(Bitmap& bitmap);

}  // namespace orvane::gfx
