// A framed container with a caption. Radio buttons placed directly in one form a group: selecting
// one deselects the others of the same group box only.
#pragma once

#include <string>

#include "toolkit/container.h"

namespace orvane::tk {

class GroupBox : public Container {
 public:
  GroupBox(Container& parent, const std::string& caption);
  ~GroupBox() override;

  std::string Caption() const;
  // Inside the frame and below the caption.
  Bounds ClientBounds() const override;
};

}  // namespace orvane::tk
