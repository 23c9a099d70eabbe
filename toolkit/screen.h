// The desktop around the program: work area, cursor, foreground, top-level windows, pausing.
// Each service is replaceable in tests; the defaults are the real ones.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "toolkit/form.h"

namespace orvane::tk {

struct ScreenPoint {
  int x = 0, y = 0;
};

struct ScreenServices {
  // The primary screen minus taskbars and docked bars; nullopt when it cannot be read.
  std::function<std::optional<ScreenRect>()> workArea;
  std::function<std::optional<ScreenPoint>()> cursorPos;
  // Makes the program the active application with `form` in front; false if refused.
  std::function<bool(Form& form)> setForeground;
  // The first top-level window of this program whose text is `title` (0: none), and restoring it.
  std::function<std::uintptr_t(const std::string& title)> findWindow;
  std::function<void(std::uintptr_t window)> restoreWindow;
  // Blocks the thread; no message is handled meanwhile.
  std::function<void(unsigned ms)> sleep;
};

ScreenServices& Screen();
void ResetScreen();

// The last error number the backend recorded for a failed call (0 if none).
int LastError();

}  // namespace orvane::tk
