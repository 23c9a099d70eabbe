// Qt backend of TabSheet: a plain widget that the page control shows while it is active.
#include "toolkit/tab_sheet.h"

#include "toolkit/page_control.h"
#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

TabSheet::TabSheet(PageControl& pages, const std::string& caption) : Container(&pages), pages_(pages) {
  auto* w = new QWidget;
  w->setObjectName(ToQ(caption));
  w->setAutoFillBackground(false);
  Attach(w);
  SetAlign(Align::Client);
  pages.AddPage(this);
}

TabSheet::~TabSheet() {
  if (Parent()) pages_.RemovePage(this);
}

std::string TabSheet::Caption() const {
  return FromQ(WidgetOf(*this)->objectName());
}

}  // namespace orvane::tk
