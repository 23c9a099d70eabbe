// The application object: title, activation event, message boxes, the message loop and the way
// out. There is one, created first in main().
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane::tk {

class Form;

// How the process ends. The real one ends the process; tests install one that throws
// ExitRequested, so that an exit can be observed without leaving the test program.
using ProcessExitFn = std::function<void(int code)>;
struct ExitRequested {
  int code = 0;
};

class Application {
 public:
  // Starts the platform (display connection, translations, fonts) and installs the real message
  // box as the program's box (SetMessageBoxHandler). argc/argv must outlive the object.
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Instance();

  // The application's own title: the text of its hidden application window.
  void SetTitle(const std::string& title);
  std::string Title() const;

  // Runs when the program becomes the active application.
  std::function<void()> onActivate;

  // A modal box with the buttons, icon and default button of a style value (16, 48, 64, 308);
  // returns 1 (OK), 6 (Yes) or 7 (No). Closing a box with the window's close button gives the
  // default answer of a one-button box and No for a question.
  int MessageBox(const std::string& message, const std::string& caption, int flags);
  // The box an exception that leaves an event handler is shown in: its text, the title, stop icon.
  void ShowException(const std::string& what);

  // Creates a form owned by the application, runs its creation handler (an exception there is
  // shown and creation goes on) and returns it. The first form created is the main form.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = form.get();
    Adopt(std::move(form));
    return raw;
  }
  const std::vector<std::unique_ptr<Form>>& Forms() const { return forms_; }

  // Runs the message loop; returns when the loop ends (it does not in this program).
  int Run();

  // Ends the process with `code`: destroys the forms, newest first (each hidden, then its
  // destruction handler, then deleted), then ends the process through the exit function.
  [[noreturn]] void Exit(int code);
  void SetProcessExit(ProcessExitFn exitFn);  // an empty function restores the real one
  // Destroys every form, newest first, without ending the process (test tear-down).
  void DestroyForms();

  // Runs `fn` as an event handler: an exception that leaves it is shown in the exception box.
  // ExitRequested passes through.
  void Guard(const std::function<void()>& fn);

  struct Impl;
  Impl& impl() { return *impl_; }

 private:
  void Adopt(std::unique_ptr<Form> form);

  std::unique_ptr<Impl> impl_;
  std::vector<std::unique_ptr<Form>> forms_;
  void WatchEndSignals();
  ProcessExitFn exit_;
};

}  // namespace orvane::tk
