// What every control of the Qt backend holds: its widget and the rectangle, alignment and flags
// the toolkit keeps itself (Qt defers the geometry of hidden widgets; ours is exact at once).
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "toolkit/container.h"
#include "toolkit/control.h"

namespace orvane::tk {

struct Control::Impl {
  QPointer<QWidget> widget;
  Container* parent = nullptr;
  Bounds bounds;
  Align align = Align::None;
  bool visible = true;
  bool enabled = true;
  bool settingFromParent = false;
};

inline QWidget* WidgetOf(const Control& c) {
  return c.impl().widget.data();
}
inline QString ToQ(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQ(const QString& s) {
  return s.toUtf8().toStdString();
}

// Runs an event handler as the application's event handlers run: an exception that leaves it is
// shown in the exception box (or on stderr without an application object).
void RunEvent(const std::function<void()>& handler);

}  // namespace orvane::tk
