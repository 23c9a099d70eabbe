// A plain container without bevel or caption.
#pragma once

#include "toolkit/container.h"

namespace orvane::tk {

class Panel : public Container {
 public:
  explicit Panel(Container& parent);
  ~Panel() override;

 protected:
  // The form's own client area is a Panel without a parent.
  struct RootTag {};
  Panel(RootTag, void* nativeWidget);
  friend class DialogForm;
};

}  // namespace orvane::tk
