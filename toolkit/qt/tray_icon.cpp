// Qt backend of the tray shell: QSystemTrayIcon (StatusNotifierItem where the desktop has it,
// XEmbed otherwise). Without a tray host Qt shows nothing and says nothing, so every call then
// answers "timed out", as the Windows shell does when it is busy; the icon made by an add is
// kept, and Qt embeds it as soon as a host appears. Clicks come back to the form as the tray
// callback message: left button up, right button up.
#include "toolkit/tray_icon.h"

#include <QPixmap>
#include <QSystemTrayIcon>
#include <memory>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/qt/icon_impl.h"

namespace orvane::tk {

namespace {
class QtTrayShell final : public TrayShell {
 public:
  bool Notify(TrayMessage message, const TrayRecord& record, int& error) override {
    const bool host = QSystemTrayIcon::isSystemTrayAvailable();
    switch (message) {
      case TrayMessage::Add:
        if (!icon_) Create();
        Update(record);
        icon_->show();
        break;
      case TrayMessage::Modify:
        if (!icon_) {
          error = host ? kErrorNotFound : kErrorTimeout;
          return false;
        }
        Update(record);
        break;
      case TrayMessage::Delete:
        if (!icon_) {
          error = kErrorNotFound;
          return false;
        }
        icon_->hide();
        icon_.reset();
        return true;
    }
    if (!host) {
      error = kErrorTimeout;
      return false;
    }
    return true;
  }

 private:
  void Create() {
    icon_ = std::make_unique<QSystemTrayIcon>();
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                       std::intptr_t mouse = 0;
                       switch (reason) {
                         case QSystemTrayIcon::Trigger:
                           mouse = kWmLButtonUp;
                           break;
                         case QSystemTrayIcon::Context:
                           mouse = kWmRButtonUp;
                           break;
                         case QSystemTrayIcon::MiddleClick:
                           mouse = kWmMButtonUp;
                           break;
                         case QSystemTrayIcon::DoubleClick:
                           mouse = kWmLButtonDblClk;
                           break;
                         default:
                           return;
                       }
                       Deliver(mouse);
                     });
  }

  void Update(const TrayRecord& record) {
    window_ = record.window;
    id_ = record.id;
    callback_ = record.callbackMessage;
    if (record.flags & kNifIcon) {
      if (record.icon) {
        icon_->setIcon(record.icon->impl().icon);
      } else {
        QPixmap empty(16, 16);
        empty.fill(Qt::transparent);
        icon_->setIcon(QIcon(empty));
      }
    }
    if (record.flags & kNifTip) icon_->setToolTip(QString::fromUtf8(record.tip));
  }

  void Deliver(std::intptr_t mouse) {
    Application* app = Application::Instance();
    if (!app || !(callback_ != 0)) return;
    for (const auto& form : app->Forms()) {
      if (form->Handle() != window_) continue;
      const Message m{callback_, id_, mouse};
      Form* target = form.get();
      app->Guard([target, m] { target->Dispatch(m); });
      return;
    }
  }

  std::unique_ptr<QSystemTrayIcon> icon_;
  std::uintptr_t window_ = 0;
  unsigned id_ = 0, callback_ = 0;
};

TrayShell* g_shell = nullptr;
}  // namespace

TrayShell& Shell() {
  if (g_shell) return *g_shell;
  // Never destroyed: it may hold a Qt object, and Qt is gone by the time statics are.
  static QtTrayShell* real = new QtTrayShell;
  return *real;
}

void SetShell(TrayShell* shell) {
  g_shell = shell;
}

}  // namespace orvane::tk
