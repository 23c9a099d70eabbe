// The font picker: typeface, size, style, strike-out, underline and colour (the sixteen basic
// colours), listing only the fonts that exist. Execute opens it on `font` and `style`; on OK both
// hold the choice. The character set is not chosen here and passes through unchanged.
#pragma once

#include <cstdint>

#include "toolkit/font.h"
#include "toolkit/font_style.h"

namespace orvane::tk {

class FontDialog {
 public:
  Font font;
  FontStyle style;

  bool Execute();  // true when the user confirmed

  // The sixteen basic colours, 0x00BBGGRR, in the order the picker lists them.
  static const std::uint32_t kBasicColors[16];
};

}  // namespace orvane::tk
