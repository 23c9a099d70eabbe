// The window-free alignment: which room each aligned child gets, in which order.
#include "toolkit/align_layout.h"

#include <gtest/gtest.h>

namespace orvane::tk {
namespace {

// Top children stack from the top in their order, a client child takes what is left, and a
// hidden one takes no room (the dialog's pages are built this way).
TEST(AlignLayout, TopThenClientAndHiddenTakesNoRoom) {
  std::vector<AlignedChild> c = {
      {Align::Client, true, {}},
      {Align::Top, true, {5, 5, 10, 137}},
      {Align::Top, false, {0, 0, 10, 88}},
      {Align::Top, true, {0, 0, 10, 232}},
      {Align::None, true, {24, 64, 449, 269}},
  };
  ArrangeAligned({2, 14, 480, 500}, c);
  EXPECT_EQ(c[1].bounds, (Bounds{2, 14, 480, 137}));
  EXPECT_EQ(c[2].bounds, (Bounds{0, 0, 10, 88}));
  EXPECT_EQ(c[3].bounds, (Bounds{2, 151, 480, 232}));
  EXPECT_EQ(c[0].bounds, (Bounds{2, 383, 480, 131}));
  EXPECT_EQ(c[4].bounds, (Bounds{24, 64, 449, 269}));
}

// A right child keeps its width at the right edge of the band below the top children; the
// client child fills the rest of that band, as the picture group's two panels do.
TEST(AlignLayout, RightAndClientShareTheBand) {
  std::vector<AlignedChild> c = {
      {Align::Top, true, {0, 0, 0, 20}},
      {Align::Right, true, {0, 0, 123, 0}},
      {Align::Bottom, true, {0, 0, 0, 10}},
      {Align::Client, true, {}},
  };
  ArrangeAligned({0, 0, 400, 100}, c);
  EXPECT_EQ(c[0].bounds, (Bounds{0, 0, 400, 20}));
  EXPECT_EQ(c[2].bounds, (Bounds{0, 90, 400, 10}));
  EXPECT_EQ(c[1].bounds, (Bounds{277, 20, 123, 70}));
  EXPECT_EQ(c[3].bounds, (Bounds{0, 20, 277, 70}));
}

// More top children than room: the client child gets no negative size.
TEST(AlignLayout, OverfullGivesEmptyClient) {
  std::vector<AlignedChild> c = {{Align::Top, true, {0, 0, 0, 80}}, {Align::Client, true, {}}};
  ArrangeAligned({0, 0, 50, 60}, c);
  EXPECT_EQ(c[1].bounds.height, 0);
  EXPECT_EQ(c[1].bounds.width, 50);
}

}  // namespace
}  // namespace orvane::tk
