// The two 16 x 16 frames of the tray icon, drawn here: a white bell on a dark blue square and
// the same bell in black on an orange square. Corners in kTrayFrameMask are transparent.
#pragma once

#include "gfx/bitmap.h"

namespace orvane {

constexpr unsigned kTrayFrameMask = 0xFF00FF;  // 0x00RRGGBB
constexpr unsigned kTrayFrame0Back = 0x1A2E7A, kTrayFrame0Glyph = 0xFFFFFF;
constexpr unsigned kTrayFrame1Back = 0xFF8C1A, kTrayFrame1Glyph = 0x000000;

// Frame 0 or 1, 24 bits per pixel.
gfx::Bitmap MakeTrayFrame(int index);

}  // namespace orvane
