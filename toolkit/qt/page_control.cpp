// Qt backend of PageControl: a tab bar above a framed page area; the toolkit places the pages
// itself, so that hidden pages have their exact size too.
#include "toolkit/page_control.h"

#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "toolkit/qt/control_impl.h"
#include "toolkit/tab_sheet.h"

namespace orvane::tk {

namespace {
class PagesWidget : public QWidget {
 public:
  PagesWidget() : tabs(new QTabBar(this)) {
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->setFocusPolicy(Qt::TabFocus);
  }
  int TabHeight() const { return tabs->sizeHint().height(); }
  QTabBar* tabs;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, TabHeight() - 1, width(), height() - TabHeight() + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabs->sizeHint();
    frame.tabBarRect = tabs->geometry();
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  }
};
}  // namespace

struct PageControl::Impl {
  PagesWidget* widget = nullptr;
};

PageControl::PageControl(Container& parent) : Container(&parent), pimpl_(std::make_unique<Impl>()) {
  pimpl_->widget = new PagesWidget;
  Attach(pimpl_->widget);
  QObject::connect(pimpl_->widget->tabs, &QTabBar::currentChanged, pimpl_->widget,
                   [this](int index) { ShowOnly(index); });
  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from wherever the focus is on them, as in any
  // property sheet.
  for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                   std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
    auto* shortcut = new QShortcut(keys, pimpl_->widget);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, pimpl_->widget, [tabs = pimpl_->widget->tabs, step] {
      if (tabs->count() > 0)
        tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
    });
  }
}

PageControl::~PageControl() = default;

Bounds PageControl::ClientBounds() const {
  const int tab = pimpl_->widget->TabHeight();
  return {4, tab + 3, std::max(0, Width() - 8), std::max(0, Height() - tab - 7)};
}

void PageControl::AddPage(TabSheet* page) {
  pages_.push_back(page);
  pimpl_->widget->tabs->addTab(ToQ(page->Caption()));
  pimpl_->widget->tabs->setGeometry(2, 0, std::max(0, Width() - 4), pimpl_->widget->TabHeight());
  ShowOnly(pimpl_->widget->tabs->currentIndex());
  Realign();
}

void PageControl::RemovePage(TabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int index = static_cast<int>(it - pages_.begin());
  pages_.erase(it);
  if (pimpl_->widget) pimpl_->widget->tabs->removeTab(index);
}

TabSheet* PageControl::ActivePage() const {
  const int i = pimpl_->widget->tabs->currentIndex();
  return i >= 0 && i < PageCount() ? pages_[static_cast<std::size_t>(i)] : nullptr;
}

void PageControl::SetActivePage(TabSheet& page) {
  const auto it = std::find(pages_.begin(), pages_.end(), &page);
  if (it == pages_.end()) return;
  pimpl_->widget->tabs->setCurrentIndex(static_cast<int>(it - pages_.begin()));
  ShowOnly(pimpl_->widget->tabs->currentIndex());
}

void PageControl::ShowOnly(int index) {
  for (int i = 0; i < PageCount(); ++i)
    if (QWidget* w = WidgetOf(*pages_[static_cast<std::size_t>(i)])) w->setVisible(i == index);
}

void PageControl::BoundsChanged() {
  pimpl_->widget->tabs->setGeometry(2, 0, std::max(0, Width() - 4), pimpl_->widget->TabHeight());
  Realign();
}

}  // namespace orvane::tk
