// Helpers of the dialog tests: a modal showing driven from inside its own loop, the dialog's
// window, and the OPTION keys as the settings file holds them.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/ini_file.h"
#include "toolkit/dialog_form.h"

namespace orvane::testing {

// Runs `inside` once the modal loop of `form` runs (the dialog is up), then closes it with
// Close() unless `inside` closed it already; returns when ShowModal has returned.
inline int ShowModalAnd(tk::DialogForm& form, std::function<void()> inside = {}) {
  QTimer::singleShot(0, [&form, inside] {
    if (inside) inside();
    form.Close();
  });
  return form.ShowModal();
}

// Runs `inside` while the next modal window (a picker) is up; it must close that window.
inline void WhenModalOpens(std::function<void(QWidget&)> inside) {
  QTimer::singleShot(0, [inside] {
    QWidget* w = QApplication::activeModalWidget();
    if (w) inside(*w);
  });
}

// The dialog's own window (the top-level widget with its caption).
inline QWidget* DialogWindow(const std::string& caption = "設定") {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle() == QString::fromStdString(caption) && w->inherits("QDialog")) return w;
  return nullptr;
}

// Key names of a section in file order, read from the written text.
inline std::vector<std::string> KeysOf(const std::string& fileText, const std::string& section) {
  std::vector<std::string> keys;
  bool in = false;
  std::size_t start = 0;
  while (start < fileText.size()) {
    std::size_t end = fileText.find('\n', start);
    if (end == std::string::npos) end = fileText.size();
    const std::string line = fileText.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.front() == '[') {
      in = line == "[" + section + "]";
      continue;
    }
    const auto eq = line.find('=');
    if (in && eq != std::string::npos) keys.push_back(line.substr(0, eq));
  }
  return keys;
}

}  // namespace orvane::testing
