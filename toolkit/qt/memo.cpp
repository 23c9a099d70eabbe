// Qt backend of Memo: a QPlainTextEdit without wrapping, both scroll bars always there, Tab
// moving the focus on (as in a memo that does not want tabs), Enter starting a new line.
#include "toolkit/memo.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "toolkit/qt/control_impl.h"
#include "toolkit/qt/qfont_convert.h"

namespace orvane::tk {

namespace {
QPlainTextEdit* Q(const Memo& m) {
  return static_cast<QPlainTextEdit*>(WidgetOf(m));
}
}  // namespace

Memo::Memo(Container& parent) : Control(&parent) {
  auto* w = new QPlainTextEdit;
  w->setLineWrapMode(QPlainTextEdit::NoWrap);
  w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  w->setTabChangesFocus(true);
  Attach(w);
}

Memo::~Memo() = default;

std::string Memo::Text() const {
  return FromQ(Q(*this)->toPlainText());
}
void Memo::SetText(const std::string& text) {
  Q(*this)->setPlainText(ToQ(text));
}
void Memo::Clear() {
  Q(*this)->clear();
}

void Memo::AddLine(const std::string& line) {
  QTextCursor cursor(Q(*this)->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(ToQ(line) + QLatin1Char('\n'));
}

std::vector<std::string> Memo::Lines() const {
  std::vector<std::string> lines;
  const std::string text = Text();
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      if (start < text.size()) lines.push_back(text.substr(start));  // a last, empty line does not count
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

int Memo::LineCount() const {
  return static_cast<int>(Lines().size());
}

void Memo::SetFont(const Font& font, const FontStyle& style) {
  font_ = font;
  style_ = style;
  QPlainTextEdit* w = Q(*this);
  w->setFont(ToQFont(font, style));
  QPalette p = w->palette();
  p.setColor(QPalette::Text, ToQColor(font.color));
  w->setPalette(p);
}

}  // namespace orvane::tk
