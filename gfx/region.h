// The window region of a shaped picture: every pixel of the key colour is a hole.
#pragma once

#include <vector>

#include "gfx/bitmap.h"

namespace orvane::gfx {

// Edges exclusive: covers columns left .. right-1 of rows top .. bottom-1.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A union of disjoint rectangles; empty means "none": the window is not cut.
using Region = std::vector<Rect>;

// Brings `bitmap` to 8 bits per pixel (from 1, 4, 8) or 24 (from anything else) in place, then
// returns the union of the runs of pixels that differ from pixel (0, 0). An empty bitmap gives
// none, and so does a bitmap whose buffer is shorter than its fields say (nothing is converted then).
// The rectangles are disjoint and sorted by top, then left. Identical runs in neighbouring rows share one
// taller rectangle; runs are never joined sideways.
Region CreateRegionFromBitmap(Bitmap& bitmap);

}  // namespace orvane::gfx
