// TForm_Main: the tray icon, its registration with retries, its clicks and its animation.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/error_codes.h"
#include "core/error_report.h"
#include "core/text_encoding.h"
#include "forms/Main/form_main.h"

#include "forms/Config/form_config.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace orvane {

namespace {
constexpr int kMaxRetries = 10;
constexpr unsigned kRetryPauseMs = 1000;
}  // namespace

void TForm_Main::TakeIconFrames() {
  for (int i = 0; i < 2; ++i) {
    priIcon_Frame[static_cast<std::size_t>(i)] = ImageList_Icon.GetIcon(i);
    if (!priIcon_Frame[static_cast<std::size_t>(i)]) {
      ReportError(err::k018);
      return;
    }
  }
}

// Releasing an icon cannot fail here, so box 022 does not arise.
void TForm_Main::ReleaseIconFrames() {
  priIcon_Frame[1].reset();
  priIcon_Frame[0].reset();
}

void TForm_Main::UpdateTrayIcon(tk::TrayMessage message) {
  priIcon_TaskTray = tk::TrayRecord{};
  priIcon_TaskTray.size = tk::kTrayRecordSize;
  priIcon_TaskTray.window = Handle();
  priIcon_TaskTray.id = 1;
  priIcon_TaskTray.flags = tk::kNifMessage | tk::kNifIcon | tk::kNifTip;
  priIcon_TaskTray.callbackMessage = WM_TRAYNOTIFY;
  priIcon_TaskTray.icon = (priIcon_FrameIndex == 0 || priIcon_FrameIndex == 1)
                              ? priIcon_Frame[static_cast<std::size_t>(priIcon_FrameIndex)].get()
                              : nullptr;

  const std::string caption = Caption();
  constexpr std::size_t kTip = sizeof priIcon_TaskTray.tip;
  if (caption.size() > kTip) ReportError(err::k005);
  // At most 127 bytes, and never half a character.
  const std::string_view tip = TruncateUtf8(caption, kTip - 1);
  std::memcpy(priIcon_TaskTray.tip, tip.data(), tip.size());
  priIcon_TaskTray.tip[tip.size()] = '\0';

  CallShellNotify(message);
}

void TForm_Main::DeleteTrayIcon() {
  priIcon_TaskTray.size = tk::kTrayRecordSize;
  priIcon_TaskTray.window = Handle();
  priIcon_TaskTray.id = 1;
  priIcon_TaskTray.flags = 0;
  CallShellNotify(tk::TrayMessage::Delete);
}

void TForm_Main::CallShellNotify(tk::TrayMessage message) {
  const bool removal = message == tk::TrayMessage::Delete;
  int retries = 0;
  int error = 0;
  bool ok = tk::Shell().Notify(message, priIcon_TaskTray, error);
  if (!(removal && priIsExiting)) {
    while (!ok && error == tk::kErrorTimeout) {
      ++retries;
      tk::Screen().sleep(kRetryPauseMs);
      int probeError = 0;
      if (!tk::Shell().Notify(tk::TrayMessage::Modify, priIcon_TaskTray, probeError) &&
          probeError != tk::kErrorTimeout)
        break;
      if (retries == kMaxRetries) {
        if (removal) {
          ReportError(err::k008);
          // The program is shutting down: give the removal up rather than retry for ever. The
          // icon goes with the process anyway.
          break;
        }
        if (ReportError(err::k007) == kIdYes) break;
        EndProcess();
      }
      error = 0;
      ok = tk::Shell().Notify(message, priIcon_TaskTray, error);
    }
  }
  if (retries > 0 && ok) {
    const ErrorText& notice = removal ? err::k012 : err::k011;
    char text[512];
    std::snprintf(text, sizeof text, notice.message, retries + 1);
    ReportError(text, notice.caption, notice.flags);
  }
}

void TForm_Main::Dispatch(const tk::Message& message) {
  if (message.msg == WM_TRAYNOTIFY) {
    HandleTrayMessage(message);
    return;
  }
  tk::Form::Dispatch(message);
}

void TForm_Main::HandleTrayMessage(const tk::Message& message) {
  if (message.lParam == tk::kWmLButtonUp) {
    if (Timer_AnimIcon.Enabled() || Visible()) HideChime();
    return;
  }
  if (message.lParam != tk::kWmRButtonUp) return;
  if (priConfigForm && priConfigForm->Visible()) return;
  const std::optional<tk::ScreenPoint> point = tk::Screen().cursorPos();
  if (!point) {
    const int code = tk::LastError();
    ReportError(err::k020);
    LogLastError(code);
    return;
  }
  if (!tk::Screen().setForeground(*this)) {
    const int code = tk::LastError();
    ReportError(err::k021);
    LogLastError(code);
    return;
  }
  PopupMenu_Main.Popup(point->x, point->y);
}

void TForm_Main::Timer_AnimIconTimer() {
  NextIconFrame();
  UpdateTrayIcon(tk::TrayMessage::Modify);
}

void TForm_Main::NextIconFrame() {
  ++priIcon_FrameIndex;
  if (priIcon_FrameIndex >= 2) priIcon_FrameIndex = 0;
}

}  // namespace orvane
