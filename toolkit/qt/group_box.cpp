// Qt backend of GroupBox: a QGroupBox whose caption carries the form's font; the aligned area
// starts below the caption's line, as on Windows.
#include "toolkit/group_box.h"

#include <QGroupBox>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

GroupBox::GroupBox(Container& parent, const std::string& caption) : Container(&parent) {
  Attach(new QGroupBox(ToQ(caption)));
}

GroupBox::~GroupBox() = default;

std::string GroupBox::Caption() const {
  return FromQ(static_cast<QGroupBox*>(WidgetOf(*this))->title());
}

Bounds GroupBox::ClientBounds() const {
  const int text = WidgetOf(*this) ? WidgetOf(*this)->fontMetrics().height() : 12;
  return {2, text + 2, std::max(0, Width() - 4), std::max(0, Height() - text - 4)};
}

}  // namespace orvane::tk
