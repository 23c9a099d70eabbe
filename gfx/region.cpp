#include "gfx/region.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "gfx/pixel_format.h"

namespace orvane::gfx {
namespace {

// An opaque run of the row above and the rectangle that holds it.
struct Span {
  int left = 0, right = 0;
  std::size_t rect = 0;
};

// Scans the rows top to bottom for maximal runs of pixels that differ from the key. A run exactly as wide
// as a run directly above it and at the same place extends that run's rectangle downwards instead of
// adding one of its own: the union is the same, and wherever the outline runs straight down, rows share
// rectangles, which makes the request that hands them to the window system smaller. Both rows' runs are
// sorted by their left edge, so one forward walk over the row above finds every match: the scan stays
// linear in pixels plus runs.
template <std::size_t kBytes>
Region ScanRuns(const Bitmap& bitmap) {
  static_assert(kBytes == 1 || kBytes == 3);
  auto value = [](const std::uint8_t* p) -> std::uint32_t {
    if constexpr (kBytes == 1) {
      return p[0];
    } else {
      return p[0] | p[1] << 8 | p[2] << 16;
    }
  };
  const std::uint32_t key = value(bitmap.Row(0));
  const int width = bitmap.width;

  Region region;
  std::vector<Span> above, current;
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    current.clear();
    std::size_t a = 0;  // first run above that may still match
    int x = 0;
    while (x < width) {
      while (x < width && value(row + x * kBytes) == key) ++x;
      if (x == width) break;
      const int left = x;
      while (x < width && value(row + x * kBytes) != key) ++x;

      while (a < above.size() && above[a].left < left) ++a;
      if (a < above.size() && above[a].left == left && above[a].right == x) {
        region[above[a].rect].bottom = y + 1;
        current.push_back({left, x, above[a].rect});
      } else {
        region.push_back({left, y, x, y + 1});
        current.push_back({left, x, region.size() - 1});
      }
    }
    std::swap(above, current);
  }
  return region;
}

}  // namespace

Region CreateRegionFromBitmap(Bitmap& bitmap) {
  // An empty bitmap (what a failed load leaves) has no key pixel: it gives none, and so does a bitmap
  // whose buffer does not hold the rows its fields promise.
  switch (ConvertToComparableFormat(bitmap)) {
    case 8:
      return ScanRuns<1>(bitmap);
    case 24:
      return ScanRuns<3>(bitmap);
    default:
      return {};
  }
}

}  // namespace orvane::gfx
