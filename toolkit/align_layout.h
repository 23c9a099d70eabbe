// Alignment of child controls inside a container, without any window: the container's client
// rectangle in, the aligned children's rectangles out. Top-aligned children are stacked from the
// top, then bottom-aligned ones from the bottom, left- and right-aligned ones in the band that
// remains, and a client-aligned child takes whatever is left. Hidden children take no room.
#pragma once

#include <vector>

namespace orvane::tk {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

struct AlignedChild {
  Align align = Align::None;
  bool visible = true;
  Bounds bounds;  // in: the child's current rectangle (its height or width is kept); out: the new one
};

// Rearranges `children` (in their order of creation) inside `client`; children aligned None and
// hidden children keep their rectangles.
void ArrangeAligned(const Bounds& client, std::vector<AlignedChild>& children);

}  // namespace orvane::tk
