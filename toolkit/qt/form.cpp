// Qt backend of Form. Supports: borderless tool windows, always on top, never focused, shown
// without activation where they were moved (move() before every show, pos() is never trusted);
// no taskbar or pager entry (EWMH states set through xcb before the first map); the X SHAPE
// bounding and input region, sent in chunks of at most 32,765 rectangles per request.
#include "toolkit/form.h"

#include <xcb/shape.h>

#include <QResizeEvent>
#include <algorithm>
#include <vector>

#include "toolkit/qt/form_widget.h"
#include "toolkit/qt/x11.h"

namespace orvane::tk {

namespace {
// (65535 words - 4 words of request header) / 2 words per rectangle.
constexpr std::size_t kMaxShapeRects = 32765;

void SkipTaskbarAndPager(xcb_window_t window) {
  xcb_connection_t* c = x11::Connection();
  if (!c) return;
  const xcb_atom_t states[] = {x11::Atom("_NET_WM_STATE_SKIP_TASKBAR"),
                               x11::Atom("_NET_WM_STATE_SKIP_PAGER")};
  xcb_change_property(c, XCB_PROP_MODE_APPEND, window, x11::Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2,
                      states);
  xcb_flush(c);
}

bool ApplyShape(xcb_window_t window, const gfx::Region& region) {
  xcb_connection_t* c = x11::Connection();
  if (!c) return true;
  for (xcb_shape_kind_t kind : {XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SK_INPUT}) {
    if (region.empty()) {
      xcb_shape_mask(c, XCB_SHAPE_SO_SET, kind, window, 0, 0, XCB_NONE);
      continue;
    }
    std::vector<xcb_rectangle_t> chunk;
    chunk.reserve(std::min(region.size(), kMaxShapeRects));
    for (std::size_t start = 0; start < region.size(); start += kMaxShapeRects) {
      chunk.clear();
      const std::size_t end = std::min(region.size(), start + kMaxShapeRects);
      for (std::size_t i = start; i < end; ++i) {
        const gfx::Rect& r = region[i];
        chunk.push_back({static_cast<int16_t>(r.left), static_cast<int16_t>(r.top),
                         static_cast<uint16_t>(r.right - r.left), static_cast<uint16_t>(r.bottom - r.top)});
      }
      const xcb_shape_op_t op = start == 0 ? XCB_SHAPE_SO_SET : XCB_SHAPE_SO_UNION;
      xcb_void_cookie_t cookie =
          xcb_shape_rectangles_checked(c, op, kind, XCB_CLIP_ORDERING_UNSORTED, window, 0, 0,
                                       static_cast<uint32_t>(chunk.size()), chunk.data());
      if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
        std::free(error);
        return false;
      }
    }
  }
  xcb_flush(c);
  return true;
}
}  // namespace

FormWidget::FormWidget() {
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                 Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_X11DoNotAcceptFocus);
  setFocusPolicy(Qt::NoFocus);
}

void FormWidget::resizeEvent(QResizeEvent* event) {
  for (QObject* child : children())
    if (auto* w = qobject_cast<QWidget*>(child))
      w->setGeometry(0, 0, event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}

Form::Form() : impl_(std::make_unique<Impl>()) {
  impl_->widget = std::make_unique<FormWidget>();
  impl_->widget->setWindowTitle(QStringLiteral(""));
  impl_->widget->resize(1, 1);
  SkipTaskbarAndPager(static_cast<xcb_window_t>(impl_->widget->winId()));
}

Form::~Form() = default;

void Form::Dispatch(const Message&) {}

void Form::SetCaption(const std::string& caption) {
  impl_->widget->setWindowTitle(QString::fromStdString(caption));
}
std::string Form::Caption() const {
  return impl_->widget->windowTitle().toStdString();
}

int Form::Left() const {
  return impl_->left;
}
int Form::Top() const {
  return impl_->top;
}
int Form::Width() const {
  return impl_->width;
}
int Form::Height() const {
  return impl_->height;
}

void Form::SetLeft(int left) {
  impl_->left = left;
  impl_->widget->move(impl_->left, impl_->top);
}
void Form::SetTop(int top) {
  impl_->top = top;
  impl_->widget->move(impl_->left, impl_->top);
}
void Form::SetWidth(int width) {
  impl_->width = std::max(0, width);
  impl_->widget->resize(std::max(1, impl_->width), std::max(1, impl_->height));
}
void Form::SetHeight(int height) {
  impl_->height = std::max(0, height);
  impl_->widget->resize(std::max(1, impl_->width), std::max(1, impl_->height));
}
ScreenRect Form::ClientRect() const {
  return {0, 0, impl_->width, impl_->height};
}

bool Form::Visible() const {
  return impl_->visible;
}

void Form::SetVisible(bool visible) {
  if (!visible) {
    impl_->visible = false;
    impl_->widget->hide();
    return;
  }
  ShowOnTopNoActivate();
}

bool Form::ShowOnTopNoActivate() {
  impl_->visible = true;
  FormWidget& w = *impl_->widget;
  // A window of no size has nothing to show; the X server would not take it anyway.
  if (impl_->width == 0 || impl_->height == 0) return true;
  w.move(impl_->left, impl_->top);
  w.show();
  w.raise();
  return true;
}

bool Form::SetRegion(const gfx::Region& region) {
  if (!ApplyShape(static_cast<xcb_window_t>(impl_->widget->winId()), region)) return false;
  impl_->region = region;
  return true;
}

const gfx::Region& Form::Region() const {
  return impl_->region;
}

std::uintptr_t Form::Handle() const {
  return static_cast<std::uintptr_t>(impl_->widget->winId());
}

}  // namespace orvane::tk
