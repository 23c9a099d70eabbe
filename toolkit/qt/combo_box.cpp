// Qt backend of ComboBox: a non-editable QComboBox whose list opens as a plain list of the asked
// number of rows (not as a menu around the current item).
#include "toolkit/combo_box.h"

#include <QComboBox>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
QComboBox* Q(const ComboBox& b) {
  return static_cast<QComboBox*>(WidgetOf(b));
}
}  // namespace

ComboBox::ComboBox(Container& parent) : Control(&parent) {
  auto* w = new QComboBox;
  w->setEditable(false);
  w->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  w->setMaxVisibleItems(8);
  Attach(w);
}

ComboBox::~ComboBox() = default;

void ComboBox::SetItems(const std::vector<std::string>& items) {
  QStringList list;
  for (const auto& item : items) list << ToQ(item);
  Q(*this)->clear();
  Q(*this)->addItems(list);
  Q(*this)->setCurrentIndex(-1);
}

int ComboBox::ItemCount() const {
  return Q(*this)->count();
}
std::string ComboBox::Item(int index) const {
  return FromQ(Q(*this)->itemText(index));
}
int ComboBox::ItemIndex() const {
  return Q(*this)->currentIndex();
}
void ComboBox::SetItemIndex(int index) {
  Q(*this)->setCurrentIndex(index >= 0 && index < ItemCount() ? index : -1);
}
std::string ComboBox::Text() const {
  return ItemIndex() < 0 ? std::string() : Item(ItemIndex());
}
void ComboBox::SetDropDownCount(int rows) {
  Q(*this)->setMaxVisibleItems(rows);
}
int ComboBox::DropDownCount() const {
  return Q(*this)->maxVisibleItems();
}

}  // namespace orvane::tk
