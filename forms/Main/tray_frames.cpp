#include "forms/Main/tray_frames.h"

namespace orvane {

namespace {
// '.' background, '#' glyph, ' ' transparent corner.
constexpr const char* kBell[16] = {
    "  ............  ",  //
    " .............. ",  //
    "........##......",  //
    ".......####.....",  //
    "......######....",  //
    ".....########...",  //
    ".....########...",  //
    ".....########...",  //
    ".....########...",  //
    "....##########..",  //
    "...############.",  //
    "...############.",  //
    "................",  //
    ".......###......",  //
    " .......#...... ",  //
    "  ............  ",  //
};
}  // namespace

gfx::Bitmap MakeTrayFrame(int index) {
  const unsigned back = index == 0 ? kTrayFrame0Back : kTrayFrame1Back;
  const unsigned glyph = index == 0 ? kTrayFrame0Glyph : kTrayFrame1Glyph;
  gfx::Bitmap frame = gfx::Bitmap::Make(16, 16, 24);
  for (int y = 0; y < 16; ++y) {
    std::uint8_t* row = frame.Row(y);
    for (int x = 0; x < 16; ++x) {
      const char c = kBell[y][x];
      const unsigned rgb = c == '#' ? glyph : c == '.' ? back : kTrayFrameMask;
      row[3 * x] = static_cast<std::uint8_t>(rgb);
      row[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return frame;
}

}  // namespace orvane
