// A control placed inside a container of a dialog: its rectangle in design pixels relative to the
// parent's origin, its alignment, and its own Visible and Enabled flags (a control is on screen
// when it and all its parents are visible).
#pragma once

#include <memory>

#include "toolkit/align_layout.h"

namespace orvane::tk {

class Container;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  Bounds GetBounds() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  // The width the control needs to show its caption whole.
  int PreferredWidth() const;

  Align GetAlign() const;
  void SetAlign(Align align);  // the parent rearranges its aligned children at once

  bool Visible() const;
  void SetVisible(bool visible);
  bool Showing() const;  // visible, and so is every parent up to the form
  bool Enabled() const;
  void SetEnabled(bool enabled);

  void SetFocus();
  bool Focused() const;

  Container* Parent() const;

  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 protected:
  // The backend of each kind of control creates its widget and hands it over with Attach.
  explicit Control(Container* parent);
  void Attach(void* nativeWidget);
  // Runs after the rectangle changed (containers rearrange their children here).
  virtual void BoundsChanged() {}

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::tk
