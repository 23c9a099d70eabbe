// Qt backend of Control and Container: exact rectangles kept by the toolkit, alignment through
// the window-free layout of align_layout.h.
#include "toolkit/control.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "toolkit/application.h"
#include "toolkit/container.h"
#include "toolkit/page_control.h"
#include "toolkit/qt/control_impl.h"
#include "toolkit/tab_sheet.h"

namespace orvane::tk {

void RunEvent(const std::function<void()>& handler) {
  if (!handler) return;
  if (Application* app = Application::Instance()) {
    app->Guard(handler);
    return;
  }
  try {
    handler();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvane: %s\n", e.what());
  }
}

Control::Control(Container* parent) : impl_(std::make_unique<Impl>()) {
  impl_->parent = parent;
  if (parent) parent->AddChild(this);
}

Control::~Control() {
  if (impl_->parent) impl_->parent->RemoveChild(this);
  delete impl_->widget.data();  // nothing when the parent's widget already took it along
}

void Control::Attach(void* nativeWidget) {
  QWidget* w = static_cast<QWidget*>(nativeWidget);
  impl_->widget = w;
  if (impl_->parent && impl_->parent->impl().widget) w->setParent(impl_->parent->impl().widget);
  w->setGeometry(impl_->bounds.left, impl_->bounds.top, impl_->bounds.width, impl_->bounds.height);
  w->setVisible(impl_->visible);
}

int Control::Left() const {
  return impl_->bounds.left;
}
int Control::Top() const {
  return impl_->bounds.top;
}
int Control::Width() const {
  return impl_->bounds.width;
}
int Control::Height() const {
  return impl_->bounds.height;
}
Bounds Control::GetBounds() const {
  return impl_->bounds;
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Bounds b{left, top, std::max(0, width), std::max(0, height)};
  const bool changed = !(b == impl_->bounds);
  impl_->bounds = b;
  if (impl_->widget) impl_->widget->setGeometry(b.left, b.top, b.width, b.height);
  if (changed) BoundsChanged();
  if (impl_->parent && impl_->align != Align::None && !impl_->settingFromParent) impl_->parent->Realign();
}
void Control::SetLeft(int left) {
  SetBounds(left, Top(), Width(), Height());
}
void Control::SetTop(int top) {
  SetBounds(Left(), top, Width(), Height());
}
void Control::SetWidth(int width) {
  SetBounds(Left(), Top(), width, Height());
}
void Control::SetHeight(int height) {
  SetBounds(Left(), Top(), Width(), height);
}

int Control::PreferredWidth() const {
  return impl_->widget ? impl_->widget->sizeHint().width() : 0;
}

Align Control::GetAlign() const {
  return impl_->align;
}
void Control::SetAlign(Align align) {
  impl_->align = align;
  if (impl_->parent) impl_->parent->Realign();
}

bool Control::Visible() const {
  return impl_->visible;
}
void Control::SetVisible(bool visible) {
  if (impl_->visible == visible) return;
  impl_->visible = visible;
  if (impl_->widget) impl_->widget->setVisible(visible);
  if (impl_->parent && impl_->align != Align::None) impl_->parent->Realign();
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->impl_->parent) {
    if (!c->impl_->visible) return false;
    if (auto* sheet = dynamic_cast<const TabSheet*>(c); sheet && sheet->Pages().ActivePage() != sheet)
      return false;
  }
  return true;
}

bool Control::Enabled() const {
  return impl_->enabled;
}
void Control::SetEnabled(bool enabled) {
  impl_->enabled = enabled;
  if (impl_->widget) impl_->widget->setEnabled(enabled);
}

void Control::SetFocus() {
  if (impl_->widget) impl_->widget->setFocus(Qt::OtherFocusReason);
}
bool Control::Focused() const {
  return impl_->widget && impl_->widget->hasFocus();
}

Container* Control::Parent() const {
  return impl_->parent;
}

Container::~Container() {
  for (Control* child : children_) child->impl().parent = nullptr;
}

Bounds Container::ClientBounds() const {
  return {0, 0, Width(), Height()};
}

void Container::RemoveChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Container::Realign() {
  std::vector<AlignedChild> items;
  items.reserve(children_.size());
  for (Control* c : children_) items.push_back({c->GetAlign(), c->Visible(), c->GetBounds()});
  ArrangeAligned(ClientBounds(), items);
  for (std::size_t i = 0; i < children_.size(); ++i) {
    Control* c = children_[i];
    if (c->GetAlign() == Align::None || !c->Visible()) continue;
    const Bounds& b = items[i].bounds;
    c->impl().settingFromParent = true;
    c->SetBounds(b.left, b.top, b.width, b.height);
    c->impl().settingFromParent = false;
  }
}

}  // namespace orvane::tk
