// Qt backend of CheckBox: Qt's toggled signal comes on every change of state, by the user or by
// code, and never for a state the box already has, which is what onClick needs.
#include "toolkit/check_box.h"

#include <QCheckBox>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

CheckBox::CheckBox(Container& parent, const std::string& caption) : Control(&parent) {
  auto* w = new QCheckBox(ToQ(caption));
  Attach(w);
  QObject::connect(w, &QCheckBox::toggled, w, [this](bool) { RunEvent(onClick); });
}

CheckBox::~CheckBox() = default;

std::string CheckBox::Caption() const {
  return FromQ(static_cast<QCheckBox*>(WidgetOf(*this))->text());
}
bool CheckBox::Checked() const {
  return static_cast<QCheckBox*>(WidgetOf(*this))->isChecked();
}
void CheckBox::SetChecked(bool checked) {
  static_cast<QCheckBox*>(WidgetOf(*this))->setChecked(checked);
}

}  // namespace orvane::tk
