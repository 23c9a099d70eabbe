#include "toolkit/qt/qfont_convert.h"

#include <cmath>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

void SubstituteJapaneseFaces() {
  static const bool done = [] {
    static const char* const kFaces[][2] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"ＭＳ 明朝", "IPAMincho"},        {"MS PGothic", "IPAPGothic"},   {"MS Gothic", "IPAGothic"},
        {"MS PMincho", "IPAPMincho"},      {"MS Mincho", "IPAMincho"},     {"MS UI Gothic", "IPAPGothic"},
        {"メイリオ", "IPAPGothic"},        {"Meiryo", "IPAPGothic"},
    };
    for (const auto& face : kFaces)
      if (!QFont::substitutes(QString::fromUtf8(face[0])).contains(QString::fromUtf8(face[1])))
        QFont::insertSubstitution(QString::fromUtf8(face[0]), QString::fromUtf8(face[1]));
    return true;
  }();
  (void)done;
}

QFont ToQFont(const Font& font, const FontStyle& style) {
  SubstituteJapaneseFaces();
  QFont f(ToQ(font.name));
  if (font.size > 0)
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
  else if (font.size < 0)
    f.setPixelSize(-font.size);
  f.setBold(style.bold);
  f.setItalic(style.italic);
  f.setUnderline(style.underline);
  f.setStrikeOut(style.strikeOut);
  return f;
}

QColor ToQColor(std::uint32_t color) {
  const std::uint32_t rgb = ResolveColor(color);
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace orvane::tk
