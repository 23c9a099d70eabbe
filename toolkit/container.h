// A control that holds other controls and aligns those that ask for it (see align_layout.h).
#pragma once

#include <vector>

#include "toolkit/control.h"

namespace orvane::tk {

class Container : public Control {
 public:
  ~Container() override;
  // The rectangle aligned children share, relative to the container's origin.
  virtual Bounds ClientBounds() const;
  // Places the aligned children again (runs by itself on every change of size or alignment).
  void Realign();
  const std::vector<Control*>& Children() const { return children_; }

  // Kept by Control's constructor and destructor.
  void AddChild(Control* child) { children_.push_back(child); }
  void RemoveChild(Control* child);

 protected:
  explicit Container(Container* parent) : Control(parent) {}
  void BoundsChanged() override { Realign(); }

 private:
  std::vector<Control*> children_;
};

}  // namespace orvane::tk
