// Tabbed pages: one tab per TabSheet, in the order of their creation; only the active page is
// shown.
#pragma once

#include <functional>
#include <vector>

#include "toolkit/container.h"

namespace orvane::tk {

class TabSheet;

class PageControl : public Container {
 public:
  explicit PageControl(Container& parent);
  ~PageControl() override;

  TabSheet* ActivePage() const;
  void SetActivePage(TabSheet& page);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }

  // The rectangle every page gets, inside the frame below the tabs.
  Bounds ClientBounds() const override;

  // Kept by TabSheet's constructor and destructor.
  void AddPage(TabSheet* page);
  void RemovePage(TabSheet* page);

  struct Impl;

 protected:
  void BoundsChanged() override;

 private:
  void ShowOnly(int index);
  std::vector<TabSheet*> pages_;
  std::unique_ptr<Impl> pimpl_;
};

}  // namespace orvane::tk
