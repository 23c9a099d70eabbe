// Qt backend of the system colours: Windows colour numbers mapped to the desktop palette's roles.
#include "toolkit/font.h"

#include <QApplication>
#include <QPalette>

namespace orvane::tk {

std::uint32_t ResolveColor(std::uint32_t color) {
  if ((color & 0xFF000000u) != 0x80000000u) {
    // 0x00BBGGRR
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
  }
  const QPalette palette = QApplication::palette();
  using R = QPalette::ColorRole;
  QColor c;
  switch (color & 0xFFFFFFu) {
    case 0:
      c = palette.color(R::Mid);
      break;  // scroll bar
    case 1:
      c = palette.color(R::Dark);
      break;  // desktop
    case 2:
    case 27:
    case 13:
    case 29:
      c = palette.color(R::Highlight);
      break;  // active caption, selection
    case 3:
    case 28:
      c = palette.color(R::Mid);
      break;  // inactive caption
    case 4:
    case 30:
      c = palette.color(R::Window);
      break;  // menu, menu bar
    case 5:
      c = palette.color(R::Base);
      break;  // window background
    case 6:
    case 21:
      c = palette.color(R::Shadow);
      break;  // frame, dark 3D shadow
    case 7:
      c = palette.color(R::WindowText);
      break;  // menu text
    case 8:
      c = palette.color(R::Text);
      break;  // window text
    case 9:
    case 14:
      c = palette.color(R::HighlightedText);
      break;  // caption text, selected text
    case 10:
    case 11:
    case 15:
      c = palette.color(R::Button);
      break;  // borders, button face
    case 12:
    case 16:
      c = palette.color(R::Dark);
      break;  // workspace, button shadow
    case 17:
      c = palette.color(QPalette::Disabled, R::Text);
      break;  // grey text
    case 18:
      c = palette.color(R::ButtonText);
      break;  // button text
    case 19:
      c = palette.color(QPalette::Inactive, R::WindowText);
      break;  // inactive caption text
    case 20:
      c = palette.color(R::Light);
      break;  // button highlight
    case 22:
      c = palette.color(R::Midlight);
      break;  // 3D light
    case 23:
      c = palette.color(R::ToolTipText);
      break;  // tip text
    case 24:
      c = palette.color(R::ToolTipBase);
      break;  // tip background
    case 26:
      c = palette.color(R::Link);
      break;  // hot-tracked item
    default:
      return 0;  // no such colour: black
  }
  return c.rgb() & 0xFFFFFFu;
}

}  // namespace orvane::tk
