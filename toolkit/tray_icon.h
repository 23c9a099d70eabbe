// The notification area ("tray"): an icon with a tip that reports mouse clicks to its form.
#pragma once

#include <cstdint>
#include <functional>

namespace orvane::tk {

class Icon;

enum class TrayMessage { Add = 0, Modify = 1, Delete = 2 };

// The record sent with every tray call, laid out after the shell's: 128-byte tip.
struct TrayRecord {
  std::uint32_t size = 0;
  std::uintptr_t window = 0;  // Form::Handle() of the form that receives the callback
  std::uint32_t id = 0;
  std::uint32_t flags = 0;  // kNifMessage | kNifIcon | kNifTip
  std::uint32_t callbackMessage = 0;
  const Icon* icon = nullptr;
  char tip[128] = {};
};
constexpr std::uint32_t kTrayRecordSize = 488;
constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4;

// Mouse messages a tray callback carries in lParam.
constexpr std::intptr_t kWmLButtonUp = 514, kWmRButtonUp = 517, kWmMButtonUp = 520, kWmLButtonDblClk = 515;

// Error numbers of a failed tray call.
constexpr int kErrorTimeout = 1460;   // no tray host answered (yet)
constexpr int kErrorNotFound = 1168;  // there is no such icon

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // True on success; otherwise `error` holds kErrorTimeout or another error number.
  virtual bool Notify(TrayMessage message, const TrayRecord& record, int& error) = 0;
};

// The shell the program talks to: the desktop's tray by default; tests install their own.
TrayShell& Shell();
void SetShell(TrayShell* shell);  // nullptr restores the desktop's

}  // namespace orvane::tk
