// Qt backend of RadioButton. Qt's own exclusive groups cannot be left without a selection, so the
// group is kept here: the buttons of one container deselect each other, and a click on the
// selected button leaves it selected.
#include "toolkit/radio_button.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <vector>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
class RadioWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;
  std::function<void(int)> onArrow;  // -1 for up or left, +1 for down or right

 protected:
  void nextCheckState() override {
    if (!isChecked()) setChecked(true);
  }
  // As in a Windows dialog, the arrow keys select the neighbouring button of the group.
  void keyPressEvent(QKeyEvent* e) override {
    const int key = e->key();
    if (onArrow && e->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right)) {
      onArrow(key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 1);
      return;
    }
    QRadioButton::keyPressEvent(e);
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
  w->onArrow = [this](int step) { SelectNeighbour(step); };
}

void RadioButton::SelectNeighbour(int step) {
  Container* group = Parent();
  if (group == nullptr) return;
  std::vector<RadioButton*> buttons;
  for (Control* c : group->Children())
    if (auto* b = dynamic_cast<RadioButton*>(c); b && (b == this || (b->Visible() && b->Enabled())))
      buttons.push_back(b);
  const auto n = static_cast<int>(buttons.size());
  int i = 0;
  while (buttons[static_cast<std::size_t>(i)] != this) ++i;
  RadioButton* next = buttons[static_cast<std::size_t>(((i + step) % n + n) % n)];
  next->SetFocus();
  next->SetChecked(true);
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
