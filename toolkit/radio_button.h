// A radio button. The radio buttons placed directly in one container form a group: selecting one
// deselects the others of that group. onClick runs whenever the button becomes selected, by the
// user or by SetChecked(true), and never when it is deselected; setting the state it already has
// runs nothing. SetChecked(false) may leave a group with no button selected; the user cannot
// deselect a button except by selecting another.
#pragma once

#include <functional>
#include <string>

#include "toolkit/control.h"

namespace orvane::tk {

class RadioButton : public Control {
 public:
  RadioButton(Container& parent, const std::string& caption);
  ~RadioButton() override;

  std::string Caption() const;
  bool Checked() const;
  void SetChecked(bool checked);

  std::function<void()> onClick;

  // The backend's notice that the widget became selected (the user, or SetChecked).
  void Selected();
  // The arrow keys: selects the next (+1) or previous (-1) usable button of the group.
  void SelectNeighbour(int step);
};

}  // namespace orvane::tk
