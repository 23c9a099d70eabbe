// Qt backend of the drawing surface. Text is drawn the way DrawTextA draws it with
// DT_NOPREFIX | DT_NOCLIP and no alignment flag: from the top-left corner, one line per line feed
// (CR LF and CR count as one), every line at the same left edge, never wrapped, "&" as itself,
// clipped only by the bitmap. Sizes in points are taken at 96 dots per inch, as on Windows.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <vector>

#include "toolkit/bitmap.h"
#include "toolkit/qt/qfont_convert.h"
#include "toolkit/qt/qimage_convert.h"

namespace orvane::tk {

namespace {
std::vector<QString> SplitLines(const std::string& text) {
  std::vector<QString> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(QString::fromStdString(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\0') {
      break;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(QString::fromStdString(line));
  return lines;
}

}  // namespace

void Canvas::DrawText(const std::string& text, const TextRect& rect, unsigned) {
  gfx::Bitmap& pixels = owner_.Pixels();
  if (pixels.Empty()) return;
  const std::vector<QString> lines = SplitLines(text);
  if (lines.empty()) return;
  QImage image = ToQImage(pixels);
  {
    QPainter painter(&image);
    const QFont font = ToQFont(font_);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const std::uint32_t rgb = ResolveColor(font_.color);
    painter.setPen(QColor::fromRgb(static_cast<QRgb>(rgb)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int top = rect.top + static_cast<int>(i) * metrics.height();
      if (brush_ == BrushStyle::Solid)
        painter.fillRect(QRect(rect.left, top, metrics.horizontalAdvance(lines[i]), metrics.height()),
                         Qt::white);
      painter.drawText(QPoint(rect.left, top + metrics.ascent()), lines[i]);
    }
  }
  pixels = From24BitImage(image);
}

}  // namespace orvane::tk
