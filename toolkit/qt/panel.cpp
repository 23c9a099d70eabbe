// Qt backend of Panel: a plain widget without frame.
#include "toolkit/panel.h"

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

Panel::Panel(Container& parent) : Container(&parent) {
  Attach(new QWidget);
}

Panel::Panel(RootTag, void* nativeWidget) : Container(nullptr) {
  impl().widget = static_cast<QWidget*>(nativeWidget);
}

Panel::~Panel() = default;

}  // namespace orvane::tk
