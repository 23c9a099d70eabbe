// Qt backend of Edit: a QLineEdit whose typed characters pass the key filter first, whose limit
// counts UTF-8 bytes (a validator catches the paths that bypass the key handling), and whose
// exit event is a focus change inside the window. No drops: a Windows edit field takes none.
#include "toolkit/edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "core/text_encoding.h"
#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
class ByteLimit : public QValidator {
 public:
  ByteLimit(const Edit& edit, QObject* owner) : QValidator(owner), edit_(edit) {}
  State validate(QString& input, int&) const override {
    const std::size_t max = edit_.MaxLength();
    return max == 0 || static_cast<std::size_t>(input.toUtf8().size()) <= max ? Acceptable : Invalid;
  }

 private:
  const Edit& edit_;
};

class EditWidget : public QLineEdit {
 public:
  explicit EditWidget(Edit& owner) : owner_(owner) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const QString text = e->text();
    if (e->matches(QKeySequence::Paste)) {
      char32_t key = 22;  // Ctrl+V, as the key filter sees it
      if (owner_.onKeyPress) owner_.onKeyPress(key);
      if (key != 0) owner_.Paste(FromQ(QApplication::clipboard()->text()));
      return;
    }
    if (text.isEmpty()) return QLineEdit::keyPressEvent(e);  // arrows, Home, Delete...
    const char32_t code = text.toUcs4().value(0);
    if (code >= 32 && code != 127) {
      owner_.TypeChar(code);
      return;
    }
    char32_t key = code;
    if (owner_.onKeyPress) owner_.onKeyPress(key);
    if (key == 0) return;
    QLineEdit::keyPressEvent(e);
  }
  void inputMethodEvent(QInputMethodEvent* e) override {
    if (e->commitString().isEmpty() || !owner_.onKeyPress) return QLineEdit::inputMethodEvent(e);
    QString kept;
    for (char32_t c : e->commitString().toUcs4()) {
      char32_t key = c;
      owner_.onKeyPress(key);
      if (key != 0) kept += QString::fromUcs4(&key, 1);
    }
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(kept, e->replacementStart(), e->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    switch (e->reason()) {
      case Qt::ActiveWindowFocusReason:
      case Qt::PopupFocusReason:
      case Qt::MenuBarFocusReason:
        return;  // the window lost the focus, not the field
      default:
        RunEvent(owner_.onExit);
    }
  }

 private:
  Edit& owner_;
};

QLineEdit* Q(const Edit& e) {
  return static_cast<QLineEdit*>(WidgetOf(e));
}

// Bytes the field holds outside its selection.
std::size_t BytesKept(const QLineEdit& w) {
  QString t = w.text();
  if (w.hasSelectedText()) t.remove(w.selectionStart(), w.selectedText().size());
  return static_cast<std::size_t>(t.toUtf8().size());
}
}  // namespace

Edit::Edit(Container& parent) : Control(&parent) {
  auto* w = new EditWidget(*this);
  w->setAcceptDrops(false);
  w->setDragEnabled(false);
  w->setValidator(new ByteLimit(*this, w));
  Attach(w);
}

Edit::~Edit() = default;

std::string Edit::Text() const {
  return FromQ(Q(*this)->text());
}

void Edit::SetText(const std::string& text) {
  // setText bypasses the validator, as WM_SETTEXT bypasses the limit on Windows.
  Q(*this)->setText(ToQ(text));
}

std::size_t Edit::MaxLength() const {
  return maxLength_;
}
void Edit::SetMaxLength(std::size_t bytes) {
  maxLength_ = bytes;
}

bool Edit::TypeChar(char32_t key) {
  if (onKeyPress) onKeyPress(key);
  if (key == 0) return false;
  QLineEdit* w = Q(*this);
  if (key == 8) {
    w->backspace();
    return true;
  }
  if (key < 32 || key == 127) return true;  // other control keys insert nothing
  const QString s = QString::fromUcs4(&key, 1);
  if (maxLength_ != 0 && BytesKept(*w) + static_cast<std::size_t>(s.toUtf8().size()) > maxLength_) {
    QApplication::beep();
    return false;
  }
  w->insert(s);
  return true;
}

void Edit::Paste(const std::string& text) {
  QLineEdit* w = Q(*this);
  std::string_view fit = text;
  if (maxLength_ != 0) {
    const std::size_t kept = BytesKept(*w);
    fit = TruncateUtf8(text, kept >= maxLength_ ? 0 : maxLength_ - kept);
  }
  w->insert(ToQ(std::string(fit)));
}

}  // namespace orvane::tk
