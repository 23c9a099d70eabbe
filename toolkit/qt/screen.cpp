// Qt backend of the desktop services: the primary screen's available geometry (_NET_WORKAREA on
// X11), the cursor, activation, this program's own top-level windows.
#include "toolkit/screen.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <thread>

#include "toolkit/qt/form_widget.h"

namespace orvane::tk {

namespace {
ScreenServices RealScreen() {
  ScreenServices s;
  s.workArea = []() -> std::optional<ScreenRect> {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect r = screen->availableGeometry();
    return ScreenRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
  };
  s.cursorPos = []() -> std::optional<ScreenPoint> {
    const QPoint p = QCursor::pos();
    return ScreenPoint{p.x(), p.y()};
  };
  s.setForeground = [](Form& form) {
    QWidget* w = form.impl().widget.get();
    if (w->isVisible()) w->activateWindow();
    return true;
  };
  s.findWindow = [](const std::string& title) -> std::uintptr_t {
    const QString wanted = QString::fromStdString(title);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->windowTitle() == wanted) return reinterpret_cast<std::uintptr_t>(w);
    return 0;
  };
  s.restoreWindow = [](std::uintptr_t window) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (reinterpret_cast<std::uintptr_t>(w) != window) continue;
      if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
  };
  s.sleep = [](unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  return s;
}
}  // namespace

ScreenServices& Screen() {
  static ScreenServices services = RealScreen();
  return services;
}

void ResetScreen() {
  Screen() = RealScreen();
}

int LastError() {
  return 0;
}

}  // namespace orvane::tk
