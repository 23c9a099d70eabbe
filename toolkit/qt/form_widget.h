// The widget behind a Form (shared with the controls placed on it).
#pragma once

#include <QWidget>

#include "toolkit/form.h"

namespace orvane::tk {

class FormWidget : public QWidget {
 public:
  FormWidget();

 protected:
  // Every child is aligned to the whole client area.
  void resizeEvent(QResizeEvent* event) override;
};

struct Form::Impl {
  std::unique_ptr<FormWidget> widget;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  gfx::Region region;
};

}  // namespace orvane::tk
