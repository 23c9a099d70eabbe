// Qt backend of PictureControl: a child widget of its form that paints the picture unscaled from
// the top-left corner and reports released mouse buttons.
#include "toolkit/picture_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/application.h"
#include "toolkit/popup_menu.h"
#include "toolkit/qt/form_widget.h"
#include "toolkit/qt/qimage_convert.h"

namespace orvane::tk {

namespace {
class PictureWidget : public QWidget {
 public:
  PictureWidget(QWidget* parent, PictureControl& control) : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
  }
  QImage image;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!image.isNull()) painter.drawImage(0, 0, image);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    MouseButton button;
    switch (event->button()) {
      case Qt::LeftButton:
        button = MouseButton::Left;
        break;
      case Qt::RightButton:
        button = MouseButton::Right;
        break;
      case Qt::MiddleButton:
        button = MouseButton::Middle;
        break;
      default:
        return;
    }
    const QPoint local = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    auto run = [&] { control_.MouseUp(button, local.x(), local.y(), global.x(), global.y()); };
    if (Application* app = Application::Instance())
      app->Guard(run);
    else
      run();
  }

 private:
  PictureControl& control_;
};
}  // namespace

struct PictureControl::Impl {
  PictureWidget* widget = nullptr;  // owned by the form's widget
};

PictureControl::PictureControl(Form& parent) : impl_(std::make_unique<Impl>()) {
  FormWidget* form = parent.impl().widget.get();
  impl_->widget = new PictureWidget(form, *this);
  impl_->widget->setGeometry(form->rect());
}

PictureControl::~PictureControl() = default;

void PictureControl::SetPicture(const Bitmap& bitmap) {
  picture_ = bitmap;
  impl_->widget->image = ToQImage(picture_.Pixels());
  impl_->widget->update();
}

void PictureControl::MouseUp(MouseButton button, int x, int y, int screenX, int screenY) {
  if (onMouseUp) onMouseUp(button, x, y);
  if (button == MouseButton::Right && popupMenu) popupMenu->Popup(screenX, screenY);
}

}  // namespace orvane::tk
