// A static text sized to its caption. An "&" in the caption marks the accelerator letter after
// it ("&&" shows one "&"); the accelerator moves the focus to the label's focus control.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace orvane::tk {

class Label : public Control {
 public:
  Label(Container& parent, const std::string& caption);
  ~Label() override;

  std::string Caption() const;
  void SetFocusControl(Control* target);
  Control* FocusControl() const { return target_; }

  // What the accelerator does (the backend calls this; so do tests).
  void Accelerate();

 private:
  Control* target_ = nullptr;
};

}  // namespace orvane::tk
