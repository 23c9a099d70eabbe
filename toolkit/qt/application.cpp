// Qt backend of the application object. Supports: xcb (X11, XWayland) and offscreen platforms;
// Japanese standard button texts from Qt's own translation; Windows Japanese faces mapped to the
// IPA faces; activation from the application state.
#include "toolkit/application.h"

#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/error_codes.h"
#include "core/error_report.h"
#include "toolkit/form.h"
#include "toolkit/qt/qfont_convert.h"

namespace orvane::tk {

namespace {
Application* g_instance = nullptr;

// An X display wins over a Wayland one: placement, stacking, focus and the shape all need X.
void ChoosePlatform() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    return;
  }
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;  // Qt's default
  std::fputs(
      "orvane: no desktop display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
      "Start it from a desktop session, or on a virtual display with scripts/virtual-desktop.sh.\n",
      stderr);
  std::exit(1);
}

// A request to end (the session logging out, kill, Ctrl+C) reaches the message loop through a
// pipe, since nothing else may be done inside a signal handler.
int g_signalPipe[2] = {-1, -1};

void OnEndSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}
}  // namespace

struct Application::Impl {
  std::unique_ptr<QApplication> app;
  std::unique_ptr<QTranslator> translator;
  // The application window: never shown, it carries the title as the Windows one does.
  std::unique_ptr<QWidget> window;
  std::unique_ptr<QSocketNotifier> endSignal;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  ChoosePlatform();
  impl_->app = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // or closing a box would end the program
  impl_->translator = std::make_unique<QTranslator>();
  if (impl_->translator->load(QStringLiteral("qtbase_ja"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(impl_->translator.get());
  SubstituteJapaneseFaces();
  impl_->window = std::make_unique<QWidget>();
  g_instance = this;

  QObject::connect(impl_->app.get(), &QGuiApplication::applicationStateChanged,
                   [this](Qt::ApplicationState s) {
                     if (s == Qt::ApplicationActive && onActivate) Guard(onActivate);
                   });
  SetMessageBoxHandler([this](const std::string& message, const std::string& caption, int flags) {
    return MessageBox(message, caption, flags);
  });
  WatchEndSignals();
}

// SIGTERM, SIGHUP and SIGINT end the program the way its exit command does: the forms are
// destroyed, so the window state is saved and the tray icon removed, and the exit code is 0.
void Application::WatchEndSignals() {
  if (g_signalPipe[0] < 0 && ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  impl_->endSignal = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
  QObject::connect(impl_->endSignal.get(), &QSocketNotifier::activated, [this] {
    char buf[16];
    while (::read(g_signalPipe[0], buf, sizeof buf) > 0) {
    }
    Exit(0);
  });
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(sig, &action, nullptr);
}

Application::~Application() {
  impl_->endSignal.reset();
  DestroyForms();
  SetMessageBoxHandler({});
  if (g_instance == this) g_instance = nullptr;
  impl_->window.reset();
  if (impl_->translator) QCoreApplication::removeTranslator(impl_->translator.get());
}

Application* Application::Instance() {
  return g_instance;
}

void Application::SetTitle(const std::string& title) {
  impl_->window->setWindowTitle(QString::fromStdString(title));
}
std::string Application::Title() const {
  return impl_->window->windowTitle().toStdString();
}

int Application::MessageBox(const std::string& message, const std::string& caption, int flags) {
  QMessageBox box;
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(message));
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  const bool question = (flags & 0x0F) == 4;  // MB_YESNO
  switch (flags & 0xF0) {
    case 16:
      box.setIcon(QMessageBox::Critical);
      break;
    case 32:
      box.setIcon(QMessageBox::Question);
      break;
    case 48:
      box.setIcon(QMessageBox::Warning);
      break;
    case 64:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  if (question) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    const bool noFirst = (flags & 0xF00) == 256;  // MB_DEFBUTTON2
    box.setDefaultButton(noFirst ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
  }
  const int answer = box.exec();
  if (question) return answer == QMessageBox::Yes ? kIdYes : kIdNo;
  return kIdOk;
}

void Application::ShowException(const std::string& what) {
  QMessageBox box(QMessageBox::Critical, impl_->window->windowTitle(), QString::fromStdString(what),
                  QMessageBox::Ok);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

void Application::Adopt(std::unique_ptr<Form> form) {
  forms_.push_back(std::move(form));
  Form* created = forms_.back().get();
  if (created->onCreate) Guard(created->onCreate);
}

int Application::Run() {
  return QApplication::exec();
}

void Application::DestroyForms() {
  while (!forms_.empty()) {
    Form& form = *forms_.back();
    form.SetVisible(false);
    if (form.onDestroy) Guard(form.onDestroy);
    forms_.pop_back();
  }
}

void Application::SetProcessExit(ProcessExitFn exitFn) {
  exit_ = std::move(exitFn);
}

void Application::Exit(int code) {
  DestroyForms();
  if (exit_) {
    exit_(code);
  } else {
    // The forms are gone; take the toolkit down before the runtime's exit procedures, so that
    // nothing of Qt outlives its application object.
    impl_->window.reset();
    impl_->app.reset();
    std::exit(code);
  }
  std::abort();  // an exit function must not return
}

void Application::Guard(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const ExitRequested&) {
    throw;
  } catch (const std::exception& e) {
    ShowException(e.what());
  }
}

}  // namespace orvane::tk
