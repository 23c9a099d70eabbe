// A drop-down list: the user picks an item and cannot type. The selection is an item index;
// -1 means no selection, and setting an index outside the items gives no selection.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace orvane::tk {

class ComboBox : public Control {
 public:
  explicit ComboBox(Container& parent);
  ~ComboBox() override;

  // Replaces the items; the selection becomes -1.
  void SetItems(const std::vector<std::string>& items);
  int ItemCount() const;
  std::string Item(int index) const;

  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const;  // the selected item, empty without a selection

  // Rows shown when the list is opened.
  void SetDropDownCount(int rows);
  int DropDownCount() const;
};

}  // namespace orvane::tk
