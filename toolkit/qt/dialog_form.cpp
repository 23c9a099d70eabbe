// Qt backend of DialogForm: a QDialog with a title bar and a sizeable border but no title-bar
// buttons; Esc does not close it (it has no cancel). Sizes are kept by the toolkit as the design's
// whole-window sizes; Qt sees the client area, kFrameWidth x kFrameHeight smaller. The window
// manager's own frame may differ: the client area is what the layout is drawn for.
#include "toolkit/dialog_form.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <climits>

#include "toolkit/qt/control_impl.h"
#include "toolkit/qt/qfont_convert.h"

namespace orvane::tk {

namespace {
class DialogWidget : public QDialog {
 public:
  explicit DialogWidget(DialogForm& owner)
      : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), owner_(owner) {
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
  }
  std::function<void(int, int)> resized;
  std::function<void(int, int)> moved;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Escape) return e->accept();
    QDialog::keyPressEvent(e);
  }
  void resizeEvent(QResizeEvent* e) override {
    QDialog::resizeEvent(e);
    if (resized) resized(e->size().width(), e->size().height());
  }
  void moveEvent(QMoveEvent* e) override {
    QDialog::moveEvent(e);
    if (moved && isVisible()) moved(pos().x(), pos().y());
  }

 private:
  DialogForm& owner_;
};
}  // namespace

struct DialogForm::Impl {
  std::unique_ptr<DialogWidget> widget;
  std::unique_ptr<Panel> client;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  bool shownBefore = false;
  bool settling = false;
};

DialogForm::DialogForm(const Font& font) : dimpl_(std::make_unique<Impl>()) {
  SubstituteJapaneseFaces();
  dimpl_->widget = std::make_unique<DialogWidget>(*this);
  dimpl_->widget->setFont(ToQFont(font));
  QPalette palette = dimpl_->widget->palette();
  palette.setColor(QPalette::WindowText, ToQColor(font.color));
  dimpl_->widget->setPalette(palette);
  auto* clientWidget = new QWidget(dimpl_->widget.get());
  dimpl_->client.reset(new Panel(Panel::RootTag{}, clientWidget));
  dimpl_->widget->resized = [this](int w, int h) {
    if (dimpl_->settling) return;
    dimpl_->width = w + kFrameWidth;
    dimpl_->height = h + kFrameHeight;
    Settle();
  };
  dimpl_->widget->moved = [this](int x, int y) {
    dimpl_->left = x;
    dimpl_->top = y;
  };
}

DialogForm::~DialogForm() {
  dimpl_->client.reset();  // the controls' widgets go with the dialog's
}

void DialogForm::SetCaption(const std::string& caption) {
  Form::SetCaption(caption);
  dimpl_->widget->setWindowTitle(ToQ(caption));
}
std::string DialogForm::Caption() const {
  return FromQ(dimpl_->widget->windowTitle());
}

int DialogForm::Left() const {
  return dimpl_->left;
}
int DialogForm::Top() const {
  return dimpl_->top;
}
int DialogForm::Width() const {
  return dimpl_->width;
}
int DialogForm::Height() const {
  return dimpl_->height;
}

void DialogForm::SetLeft(int left) {
  dimpl_->left = left;
  dimpl_->widget->move(dimpl_->left, dimpl_->top);
}
void DialogForm::SetTop(int top) {
  dimpl_->top = top;
  dimpl_->widget->move(dimpl_->left, dimpl_->top);
}
void DialogForm::SetWidth(int width) {
  dimpl_->width = width;
  Settle();
}
void DialogForm::SetHeight(int height) {
  dimpl_->height = height;
  Settle();
}

Container& DialogForm::Client() {
  return *dimpl_->client;
}

void DialogForm::Settle() {
  Impl& d = *dimpl_;
  d.settling = true;
  SizeConstraints c;
  if (onConstrainedResize) onConstrainedResize(c);
  const int minW = std::max(c.minWidth, kFrameWidth + 1), minH = std::max(c.minHeight, kFrameHeight + 1);
  const int maxW = c.maxWidth > 0 ? std::max(c.maxWidth, minW) : INT_MAX;
  const int maxH = c.maxHeight > 0 ? std::max(c.maxHeight, minH) : INT_MAX;
  d.width = std::clamp(d.width, minW, maxW);
  d.height = std::clamp(d.height, minH, maxH);
  DialogWidget& w = *d.widget;
  w.setMinimumSize(minW - kFrameWidth, minH - kFrameHeight);
  w.setMaximumSize(maxW == INT_MAX ? QWIDGETSIZE_MAX : maxW - kFrameWidth,
                   maxH == INT_MAX ? QWIDGETSIZE_MAX : maxH - kFrameHeight);
  const QSize client(d.width - kFrameWidth, d.height - kFrameHeight);
  if (w.size() != client) w.resize(client);
  d.client->SetBounds(0, 0, client.width(), client.height());
  // Once more, now that the aligned controls have followed the new size.
  if (onConstrainedResize) onConstrainedResize(c);
  d.settling = false;
}

int DialogForm::ShowModal() {
  Impl& d = *dimpl_;
  RunEvent(onShow);
  if (!d.shownBefore) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    d.left = area.left() + (area.width() - d.width) / 2;
    d.top = area.top() + (area.height() - d.height) / 2;
    d.shownBefore = true;
  }
  d.widget->move(d.left, d.top);
  d.visible = true;
  Form::SetVisible(true);  // the Form's own window has no size and stays unmapped
  const int result = d.widget->exec();
  d.visible = false;
  Form::SetVisible(false);
  RunEvent(onHide);
  return result == QDialog::Accepted ? 1 : 2;
}

void DialogForm::Close() {
  if (dimpl_->widget->isVisible()) dimpl_->widget->done(QDialog::Accepted);
}

bool DialogForm::Visible() const {
  return dimpl_->visible;
}

}  // namespace orvane::tk
