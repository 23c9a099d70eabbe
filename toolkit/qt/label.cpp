// Qt backend of Label: a QLabel sized to its text; its buddy is the focus control, so Alt and
// the accelerator letter move the focus there. Without a focus control the "&" still marks the
// letter, as on Windows, but nothing happens.
#include "toolkit/label.h"

#include <QLabel>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
QLabel* Q(const Label& l) {
  return static_cast<QLabel*>(WidgetOf(l));
}

// QLabel shows the accelerator only when it has a buddy; draw the letter underlined otherwise.
QString PlainMnemonic(const QString& caption) {
  QString out;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] == u'&')
        out += QStringLiteral("&amp;");
      else
        out += QStringLiteral("<u>") + QString(caption[i]).toHtmlEscaped() + QStringLiteral("</u>");
      continue;
    }
    out += QString(caption[i]).toHtmlEscaped();
  }
  return out;
}
}  // namespace

Label::Label(Container& parent, const std::string& caption) : Control(&parent) {
  auto* w = new QLabel;
  w->setObjectName(ToQ(caption));
  w->setTextFormat(Qt::RichText);
  w->setText(PlainMnemonic(ToQ(caption)));
  Attach(w);
  const QSize hint = w->sizeHint();
  SetBounds(0, 0, hint.width(), hint.height());
}

Label::~Label() = default;

std::string Label::Caption() const {
  return FromQ(Q(*this)->objectName());
}

void Label::SetFocusControl(Control* target) {
  target_ = target;
  QLabel* w = Q(*this);
  if (target) {
    w->setTextFormat(Qt::PlainText);
    w->setText(w->objectName());
    w->setBuddy(WidgetOf(*target));
  } else {
    w->setBuddy(nullptr);
    w->setTextFormat(Qt::RichText);
    w->setText(PlainMnemonic(w->objectName()));
  }
  const QSize hint = w->sizeHint();
  SetBounds(Left(), Top(), hint.width(), hint.height());
}

void Label::Accelerate() {
  if (target_) target_->SetFocus();
}

}  // namespace orvane::tk
