// A top-level window: caption, geometry, visibility, shape. Forms are borderless tool windows
// that stay on top and never take the keyboard focus (the only kind this program has).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "gfx/region.h"

namespace orvane::tk {

// A message sent to a form outside the usual events (the tray's callback).
struct Message {
  unsigned msg = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

class Form {
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Run by the application once the form is built, and at the start of its destruction.
  std::function<void()> onCreate;
  std::function<void()> onDestroy;

  // The form's message handling; the inherited one ignores every message.
  virtual void Dispatch(const Message& message);

  // Virtual so that a form with a window of another kind (the modal dialog) answers for its
  // own window wherever it is handled as a Form.
  virtual void SetCaption(const std::string& caption);
  virtual std::string Caption() const;

  virtual int Left() const;
  virtual int Top() const;
  virtual int Width() const;
  virtual int Height() const;
  virtual void SetLeft(int left);
  virtual void SetTop(int top);
  virtual void SetWidth(int width);
  virtual void SetHeight(int height);
  ScreenRect ClientRect() const;  // (0, 0, width, height)

  virtual bool Visible() const;
  void SetVisible(bool visible);  // true shows it where it was placed, without activating it

  // Brings the window up at the top of the stacking order, where it was placed, without taking
  // the focus. False if the window system refused.
  bool ShowOnTopNoActivate();

  // Cuts the window to `region`; an empty region removes the shape. False if the window system
  // refused. Pixels outside the region are neither drawn nor receive the mouse.
  bool SetRegion(const gfx::Region& region);
  // The shape last applied (empty when none).
  const gfx::Region& Region() const;

  // The native window id (an X window on Linux); it exists from construction.
  std::uintptr_t Handle() const;

  struct Impl;
  Impl& impl() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::tk
