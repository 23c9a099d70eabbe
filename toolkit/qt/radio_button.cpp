// Qt backend of RadioButton. Qt's own exclusive groups cannot be left without a selection, so the
// group is kept here: the buttons of one container deselect each other, and a click on the
// selected button leaves it selected.
#include "toolkit/radio_button.h"

#include <QRadioButton>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
class RadioWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {
    if (!isChecked()) setChecked(true);
  }
};
QRadioButton* Q(const RadioButton& b) {
  return static_cast<QRadioButton*>(WidgetOf(b));
}
}  // namespace

RadioButton::RadioButton(Container& parent, const std::string& caption) : Control(&parent) {
  auto* w = new RadioWidget(ToQ(caption));
  w->setAutoExclusive(false);
  Attach(w);
  SetBounds(0, 0, w->sizeHint().width(), w->sizeHint().height());
  QObject::connect(w, &QRadioButton::toggled, w, [this](bool on) {
    if (on) Selected();
  });
}

RadioButton::~RadioButton() = default;

std::string RadioButton::Caption() const {
  return FromQ(Q(*this)->text());
}
bool RadioButton::Checked() const {
  return Q(*this)->isChecked();
}
void RadioButton::SetChecked(bool checked) {
  Q(*this)->setChecked(checked);
}

void RadioButton::Selected() {
  if (Container* group = Parent())
    for (Control* c : group->Children())
      if (auto* other = dynamic_cast<RadioButton*>(c); other && other != this) other->SetChecked(false);
  RunEvent(onClick);
}

}  // namespace orvane::tk
