// The style a font can carry besides face, size, colour and character set.
#pragma once

namespace orvane::tk {

struct FontStyle {
  bool bold = false, italic = false, underline = false, strikeOut = false;
  friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

}  // namespace orvane::tk
