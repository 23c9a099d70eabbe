// Fonts of the toolkit as Qt fonts, with the Windows Japanese faces mapped to the IPA faces.
#pragma once

#include <QColor>
#include <QFont>

#include "toolkit/font.h"
#include "toolkit/font_style.h"

namespace orvane::tk {

// Maps "ＭＳ Ｐゴシック" and its kin to the metric-compatible IPA faces (once per process).
void SubstituteJapaneseFaces();

// `font` in design pixels: points at 96 dpi, so that the layout does not depend on the screen.
QFont ToQFont(const Font& font, const FontStyle& style = {});
QColor ToQColor(std::uint32_t color);  // 0x00BBGGRR or a system colour

}  // namespace orvane::tk
