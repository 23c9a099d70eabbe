// TForm_Main: construction, creation, applying the options, the chime and putting it away, the
// exit command, activation and the teardown.
#include "forms/Main/form_main.h"

#include <cstdlib>

#include "core/dialog_rules.h"
#include "core/error_codes.h"
#include "core/error_report.h"
#include "core/settings_file.h"
#include "forms/Config/form_config.h"
#include "forms/Main/tray_frames.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace orvane {

void EndProcess() {
  if (tk::Application* app = tk::Application::Instance()) app->Exit(0);
  std::exit(0);
}

TForm_Main::TForm_Main(const IClock& clock)
    // Timer_Main stays off until ApplyOptions arms it: a tick before the options are loaded
    // would chime with nothing loaded and spend the fresh schedule.
    : Timer_Main(1000, false),
      MenuItem_Exit("終了(&X)"),
      Image_Main(*this),
      ImageList_Icon(16, 16),
      Timer_AnimIcon(750, false),
      MenuItem_Option("設定(&O)"),
      MenuItem_Separator("-"),
      priClock(clock) {
  // The form description.
  SetCaption("Orvane");
  Timer_Main.onTimer = [this] { Timer_MainTimer(); };
  MenuItem_Option.onClick = [this] { MenuItem_OptionClick(); };
  MenuItem_Exit.onClick = [this] { MenuItem_ExitClick(); };
  PopupMenu_Main.Add(MenuItem_Option);
  PopupMenu_Main.Add(MenuItem_Separator);
  PopupMenu_Main.Add(MenuItem_Exit);
  Image_Main.popupMenu = &PopupMenu_Main;
  Image_Main.onMouseUp = [this](tk::MouseButton b, int x, int y) { Image_MainMouseUp(b, x, y); };
  ImageList_Icon.AddMasked(MakeTrayFrame(0), kTrayFrameMask);
  ImageList_Icon.AddMasked(MakeTrayFrame(1), kTrayFrameMask);
  Timer_AnimIcon.onTimer = [this] { Timer_AnimIconTimer(); };
  onCreate = [this] { FormCreate(); };
  onDestroy = [this] { FormDestroy(); };

  // The form's own construction.
  LoadAppInfo(AppInfo);
  priIsExiting = false;
  WindowRegion.clear();
  priIcon_FrameIndex = 0;
  Schedule.IsNewSchedule = true;
}

TForm_Main::~TForm_Main() {
  ReleaseIconFrames();
}

void TForm_Main::FormCreate() {
  tk::Application* app = tk::Application::Instance();
  if (app) {
    app->onActivate = [this] { OnAppActivate(); };
    app->SetTitle(Caption());
  }
  SetCaption(FormatVersionCaption(AppInfo, Caption()));
  TakeIconFrames();
  UpdateTrayIcon(tk::TrayMessage::Add);
  ApplyOptions();
}

void TForm_Main::ApplyOptions() {
  LoadOptions(Options, Schedule, AppInfo);
  Timer_Main.SetEnabled(true);
  Reschedule(Schedule, Options, priClock, priMainTimer);
  IsJpeg = IsJpegPath(Options.ImagePath);
  RenderChime();
  SaveWindowState(Options, AppInfo);
  PlaceWindow();
}

void TForm_Main::Timer_MainTimer() {
  if (Options.IsImage) {
    if (ShowOnTopNoActivate()) {
      SetVisible(true);
    } else {
      const int code = tk::LastError();
      ReportError(err::k019);
      LogLastError(code);
    }
  }
  if (Options.IsIconAnim) Timer_AnimIcon.SetEnabled(true);
  Reschedule(Schedule, Options, priClock, priMainTimer);
}

void TForm_Main::HideChime() {
  Timer_AnimIcon.SetEnabled(false);
  priIcon_FrameIndex = 0;
  UpdateTrayIcon(tk::TrayMessage::Modify);
  SetVisible(false);
}

void TForm_Main::Image_MainMouseUp(tk::MouseButton button, int, int) {
  if (button == tk::MouseButton::Left) HideChime();
}

void TForm_Main::MenuItem_ExitClick() {
  EndProcess();
}

void TForm_Main::MenuItem_OptionClick() {
  if (priConfigForm == nullptr) return;
  // No chime may fire while the dialog is open; one that falls due meanwhile is not made up for.
  Timer_Main.SetEnabled(false);
  HideChime();
  priConfigForm->BaseDirectory = GetBaseDir(AppInfo);
  priConfigForm->Tag = GetLastVersion(AppInfo);
  priConfigForm->ShowModal();  // there is no cancel: closing it has saved every control
  Schedule.IsNewSchedule = true;
  ApplyOptions();
}

void TForm_Main::OnAppActivate() {
  if (Options.IsActive) HideChime();
}

void TForm_Main::FormDestroy() {
  SaveWindowState(Options, AppInfo);
  ReleaseTaskbarButton();
  DeleteTrayIcon();
}

void TForm_Main::ReleaseTaskbarButton() {
  tk::Application* app = tk::Application::Instance();
  const std::string title = app ? app->Title() : std::string();
  const std::uintptr_t window = tk::Screen().findWindow(title);
  if (window != 0) {
    tk::Screen().restoreWindow(window);
    return;
  }
  const int code = tk::LastError();
  ReportError(err::k013);
  LogLastError(code);
}

}  // namespace orvane
