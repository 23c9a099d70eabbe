// One page of a PageControl; the page control gives it its rectangle.
#pragma once

#include <string>

#include "toolkit/container.h"

namespace orvane::tk {

class PageControl;

class TabSheet : public Container {
 public:
  TabSheet(PageControl& pages, const std::string& caption);
  ~TabSheet() override;

  std::string Caption() const;
  PageControl& Pages() const { return pages_; }

 private:
  PageControl& pages_;
};

}  // namespace orvane::tk
