// TForm_Main: the chime window, and the owner of the program's state (options, schedule, tray
// icon, identity). Its handlers are wired to its components in the constructor, as a form
// description would.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/app_info.h"
#include "core/options.h"
#include "core/scheduler.h"
#include "gfx/region.h"
#include "toolkit/form.h"
#include "toolkit/icon.h"
#include "toolkit/image_list.h"
#include "toolkit/picture_control.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"
#include "toolkit/tray_icon.h"

namespace orvane {

class TForm_Config;

// The program's one way of ending itself: the exit command and the answers No to the questions
// 003 and 007. The forms are destroyed newest first (the window state is saved, the tray icon
// removed) and the process ends with code 0.
[[noreturn]] void EndProcess();

// The tray icon's callback message (WM_APP + 1).
constexpr unsigned WM_TRAYNOTIFY = 32769;

class TForm_Main : public tk::Form {
 public:
  explicit TForm_Main(const IClock& clock = SystemClock());
  ~TForm_Main() override;

  // Components, in the order of the form description.
  tk::Timer Timer_Main;
  tk::PopupMenu PopupMenu_Main;
  tk::MenuItem MenuItem_Exit;
  tk::PictureControl Image_Main;
  tk::ImageList ImageList_Icon;
  tk::Timer Timer_AnimIcon;
  tk::MenuItem MenuItem_Option;
  tk::MenuItem MenuItem_Separator;

  // Life cycle.
  void FormCreate();
  void ApplyOptions();
  void Timer_MainTimer();
  void HideChime();
  void Image_MainMouseUp(tk::MouseButton button, int x, int y);
  void MenuItem_ExitClick();
  void MenuItem_OptionClick();
  void OnAppActivate();
  void FormDestroy();
  void ReleaseTaskbarButton();

  // The picture and where it goes.
  void RenderChime();
  void PlaceWindow();

  // The tray icon.
  void TakeIconFrames();
  void ReleaseIconFrames();
  void UpdateTrayIcon(tk::TrayMessage message);
  void DeleteTrayIcon();
  void CallShellNotify(tk::TrayMessage message);
  void Dispatch(const tk::Message& message) override;
  void HandleTrayMessage(const tk::Message& message);
  void Timer_AnimIconTimer();
  void NextIconFrame();

  // The settings dialog that MenuItem_OptionClick shows; while it is visible the tray menu stays
  // closed.
  void SetConfigForm(TForm_Config* form) { priConfigForm = form; }

 private:
  friend struct TForm_MainProbe;  // the form tests' view of the private state

  // Arms Timer_Main on behalf of the scheduler.
  class MainTimer final : public IMainTimer {
   public:
    explicit MainTimer(tk::Timer& timer) : timer_(timer) {}
    void SetIntervalMs(std::uint64_t ms) override { timer_.SetInterval(ms); }

   private:
    tk::Timer& timer_;
  };

  bool priIsExiting = false;
  std::array<std::unique_ptr<tk::Icon>, 2> priIcon_Frame;
  tk::TrayRecord priIcon_TaskTray;
  std::int32_t priIcon_FrameIndex = 0;
  TAppInfo AppInfo;
  gfx::Region WindowRegion;
  bool IsJpeg = false;
  TChimeOptions Options;
  TScheduleState Schedule;

  const IClock& priClock;
  MainTimer priMainTimer{Timer_Main};
  TForm_Config* priConfigForm = nullptr;
};

}  // namespace orvane
