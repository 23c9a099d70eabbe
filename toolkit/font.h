// A font as the drawing surface takes it.
#pragma once

#include <cstdint>
#include <string>

namespace orvane::tk {

struct Font {
  std::string name;          // typeface, UTF-8; Windows faces are substituted where missing
  std::int32_t size = 9;     // points at 96 dpi; negative: pixels
  std::uint32_t color = 0;   // 0x00BBGGRR, or 0x80000000 + n for system colour n
  std::uint8_t charset = 1;  // kept for the settings file; the glyphs come from the text
};

// The colour as 0x00RRGGBB: system colours from the desktop's palette, others as they are.
std::uint32_t ResolveColor(std::uint32_t color);

}  // namespace orvane::tk
