// A check box. onClick runs whenever the ticked state changes, by the user or by SetChecked;
// setting the state it already has runs nothing.
#pragma once

#include <functional>
#include <string>

#include "toolkit/control.h"

namespace orvane::tk {

class CheckBox : public Control {
 public:
  CheckBox(Container& parent, const std::string& caption);
  ~CheckBox() override;

  std::string Caption() const;
  bool Checked() const;
  void SetChecked(bool checked);

  std::function<void()> onClick;
};

}  // namespace orvane::tk
