#include "toolkit/align_layout.h"

#include <algorithm>

namespace orvane::tk {

void ArrangeAligned(const Bounds& client, std::vector<AlignedChild>& children) {
  int left = client.left, top = client.top;
  int right = client.left + client.width, bottom = client.top + client.height;
  auto place = [&](Align align) {
    for (AlignedChild& c : children) {
      if (c.align != align || !c.visible) continue;
      const int w = std::max(0, right - left), h = std::max(0, bottom - top);
      switch (align) {
        case Align::Top:
          c.bounds = {left, top, w, c.bounds.height};
          top += c.bounds.height;
          break;
        case Align::Bottom:
          c.bounds = {left, bottom - c.bounds.height, w, c.bounds.height};
          bottom -= c.bounds.height;
          break;
        case Align::Left:
          c.bounds = {left, top, c.bounds.width, h};
          left += c.bounds.width;
          break;
        case Align::Right:
          c.bounds = {right - c.bounds.width, top, c.bounds.width, h};
          right -= c.bounds.width;
          break;
        case Align::Client:
          c.bounds = {left, top, w, h};
          break;
        case Align::None:
          break;
      }
    }
  };
  for (Align a : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) place(a);
}

}  // namespace orvane::tk
