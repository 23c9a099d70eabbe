// Qt backend of PopupMenu: a QMenu built once from its items; "&" marks the access key as in Qt.
#include "toolkit/popup_menu.h"

#include <QAction>
#include <QMenu>

#include "toolkit/application.h"

namespace orvane::tk {

void MenuItem::Click() {
  if (onClick) onClick();
}

struct PopupMenu::Impl {
  std::unique_ptr<QMenu> menu = std::make_unique<QMenu>();
};

PopupMenu::PopupMenu() : impl_(std::make_unique<Impl>()) {}
PopupMenu::~PopupMenu() = default;

void PopupMenu::Add(MenuItem& item) {
  items_.push_back(&item);
  if (item.IsSeparator()) {
    impl_->menu->addSeparator();
    return;
  }
  QAction* action = impl_->menu->addAction(QString::fromStdString(item.Caption()));
  MenuItem* target = &item;
  QObject::connect(action, &QAction::triggered, [target] {
    if (Application* app = Application::Instance())
      app->Guard([target] { target->Click(); });
    else
      target->Click();
  });
}

void PopupMenu::Popup(int x, int y) {
  ++popups_;
  impl_->menu->popup(QPoint(x, y));
}

bool PopupMenu::IsOpen() const {
  return impl_->menu->isVisible();
}
void PopupMenu::Close() {
  impl_->menu->close();
}

}  // namespace orvane::tk
