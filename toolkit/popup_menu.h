// A context menu: items with "&" access keys; an item captioned "-" is a separator line.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::tk {

class MenuItem {
 public:
  explicit MenuItem(std::string caption = {}) : caption_(std::move(caption)) {}
  std::function<void()> onClick;
  const std::string& Caption() const { return caption_; }
  bool IsSeparator() const { return caption_ == "-"; }
  // Runs onClick as the menu does when the item is chosen.
  void Click();

 private:
  std::string caption_;
};

class PopupMenu {
 public:
  PopupMenu();
  ~PopupMenu();
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  // Appends an item; the item must outlive the menu.
  void Add(MenuItem& item);
  const std::vector<MenuItem*>& Items() const { return items_; }

  // Opens the menu with its top-left corner at a screen point; returns at once, the chosen item's
  // onClick runs later from the message loop.
  void Popup(int x, int y);
  bool IsOpen() const;
  void Close();
  int PopupCount() const { return popups_; }

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
  std::vector<MenuItem*> items_;
  int popups_ = 0;
};

}  // namespace orvane::tk
