// Qt backend of Button: never a default button, so Enter elsewhere does not press it.
#include "toolkit/button.h"

#include <QPushButton>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

Button::Button(Container& parent, const std::string& caption) : Control(&parent) {
  auto* w = new QPushButton(ToQ(caption));
  w->setAutoDefault(false);
  w->setDefault(false);
  Attach(w);
  QObject::connect(w, &QPushButton::clicked, w, [this] { RunEvent(onClick); });
}

Button::~Button() = default;

std::string Button::Caption() const {
  return FromQ(static_cast<QPushButton*>(WidgetOf(*this))->text());
}
void Button::Click() {
  static_cast<QPushButton*>(WidgetOf(*this))->click();
}

}  // namespace orvane::tk
