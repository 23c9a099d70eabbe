// A push button; onClick runs when it is pressed (mouse, Space, or its accelerator). It is never
// a default button: Enter in another control does not press it.
#pragma once

#include <functional>
#include <string>

#include "toolkit/control.h"

namespace orvane::tk {

class Button : public Control {
 public:
  Button(Container& parent, const std::string& caption);
  ~Button() override;

  std::string Caption() const;
  void Click();  // as if pressed
  std::function<void()> onClick;
};

}  // namespace orvane::tk
