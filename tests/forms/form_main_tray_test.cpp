// The tray icon: the retry policy with its questions and notices, the tip, the clicks, the blink.
#include "core/error_codes.h"
#include "forms/Config/form_config.h"
#include "tests/forms/form_fixture.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

namespace orvane {
namespace {

using P = TForm_MainProbe;
constexpr int T = tk::kErrorTimeout;
constexpr int kOther = 5;  // any error but the time-out

std::string Notice011(int attempt) {
  return "タスクトレイアイコン登録は" + std::to_string(attempt) + "回目で成功しました。";
}

// How one tray call goes for a shell scripted to answer each send in turn. Counts are of the
// shell calls (first send, probes and re-sends) and of the one-second pauses.
TEST_F(FormTest, RetryPolicyOfTrayCalls) {
  struct Case {
    const char* name;
    tk::TrayMessage message;
    std::vector<int> script;
    std::deque<int> answers;
    std::size_t calls;
    int sleeps;
    std::vector<std::string> captions;
    std::string lastMessage;
    bool exits;
  } cases[] = {
      {"first send succeeds", tk::TrayMessage::Modify, {}, {}, 1, 0, {}, "", false},
      {"other error: no retry, no box", tk::TrayMessage::Modify, {kOther}, {}, 1, 0, {}, "", false},
      // send, then (probe, re-send) twice timed out, then the third retry gets through.
      {"success at the 4th send",
       tk::TrayMessage::Modify,
       {T, T, T, T, T},
       {},
       7,
       3,
       {err::k011.caption},
       Notice011(4),
       false},
      {"probe fails otherwise: loop ends silently",
       tk::TrayMessage::Add,
       {T, kOther},
       {},
       2,
       1,
       {},
       "",
       false},
      {"re-send fails otherwise: no notice", tk::TrayMessage::Add, {T, 0, kOther}, {}, 3, 1, {}, "", false},
      {"10 retries, 007 Yes: runs on without icon",
       tk::TrayMessage::Add,
       std::vector<int>(40, T),
       {kIdYes},
       20,
       10,
       {err::k007.caption},
       err::k007.message,
       false},
      {"10 retries, 007 No: exit 0",
       tk::TrayMessage::Modify,
       std::vector<int>(20, T),
       {kIdNo},
       20,
       10,
       {err::k007.caption},
       err::k007.message,
       true},
      {"removal after a retry: 012",
       tk::TrayMessage::Delete,
       {T, T},
       {},
       3,
       1,
       {err::k012.caption},
       "タスクトレイアイコン削除は2回目で成功しました。",
       false},
      // Mended: after 008 a removal at shutdown gives up instead of retrying for ever.
      {"removal keeps timing out: 008, then gives up",
       tk::TrayMessage::Delete,
       std::vector<int>(40, T),
       {},
       20,
       10,
       {err::k008.caption},
       err::k008.message,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm_Main* f = Create();
    shell_.calls.clear();
    shell_.script.assign(c.script.begin(), c.script.end());
    boxes_.clear();
    answers_ = c.answers;
    sleeps_ = 0;
    bool exited = false;
    try {
      f->CallShellNotify(c.message);
    } catch (const tk::ExitRequested& e) {
      exited = true;
      EXPECT_EQ(e.code, 0);
    }
    EXPECT_EQ(exited, c.exits);
    // An exit also ran the teardown's removal; count only the calls of the call under test.
    std::size_t calls = shell_.calls.size();
    if (exited && calls > 0 && shell_.calls.back().message == tk::TrayMessage::Delete) --calls;
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(sleeps_, c.sleeps);
    EXPECT_EQ(Captions(), c.captions);
    if (!c.lastMessage.empty() && !boxes_.empty()) {
      EXPECT_EQ(boxes_.back().message, c.lastMessage);
    }
    for (std::size_t i = 1; i < c.calls && i < shell_.calls.size(); i += 2) {
      EXPECT_EQ(shell_.calls[i].message, tk::TrayMessage::Modify) << "call " << i << " is the probe";
    }
    shell_.script.clear();
    if (!exited) tk::Application::Instance()->DestroyForms();
  }
}

// A tray host that comes up after the program (the usual case at login): the add is retried
// once a second and the notice tells on which attempt it got through.
TEST_F(FormTest, TrayHostStartingLateGivesNotice011AtStartUp) {
  shell_.TimeOut(3);  // the first send, the first probe and the first re-send
  Create();
  EXPECT_EQ(sleeps_, 2);
  EXPECT_EQ(Captions(), std::vector<std::string>{err::k011.caption});
  EXPECT_EQ(boxes_[0].message, Notice011(3));
  EXPECT_EQ(boxes_[0].flags, 64);
}

// Removal while exiting after question 006: one send, no pause, no box.
TEST_F(FormTest, RemovalWhileExitingSendsOnce) {
  TForm_Main* f = Create();
  P::IsExiting(*f) = true;
  shell_.calls.clear();
  shell_.TimeOut(5);
  f->DeleteTrayIcon();
  EXPECT_EQ(shell_.calls.size(), 1u);
  EXPECT_EQ(sleeps_, 0);
  EXPECT_TRUE(boxes_.empty());
}

// The tip holds at most 127 bytes; a caption over 128 bytes raises 005 on every update. Mended:
// the cut never splits a character, so the tip stays valid UTF-8.
TEST_F(FormTest, TipIsCutTo127BytesAtACharacterBoundary) {
  struct Case {
    std::string caption, tip;
    bool notice;
  } cases[] = {
      {std::string(128, 'a'), std::string(127, 'a'), false},
      {std::string(129, 'a'), std::string(127, 'a'), true},
      // 126 ASCII bytes and then a 3-byte character: it does not fit whole and is left out.
      {std::string(126, 'a') + "版版", std::string(126, 'a'), true},
      {"Orvane  ver. 2.01", "Orvane  ver. 2.01", false},
  };
  TForm_Main* f = Create();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.size());
    boxes_.clear();
    f->SetCaption(c.caption);
    f->UpdateTrayIcon(tk::TrayMessage::Modify);
    EXPECT_EQ(std::string(shell_.calls.back().record.tip), c.tip);
    EXPECT_EQ(CountBoxes(err::k005), c.notice ? 1u : 0u);
  }
}

// Clicks: the left button on the picture or the icon puts a chime away; the right button opens
// the menu (on the icon at the cursor, unless the settings dialog is open) and leaves the chime;
// other tray messages do nothing.
TEST_F(FormTest, ClickRouting) {
  TForm_Main* f = Create();
  TForm_Config config;
  f->SetConfigForm(&config);
  tk::Screen().cursorPos = [] { return std::optional<tk::ScreenPoint>(tk::ScreenPoint{321, 654}); };
  int foreground = 0;
  tk::Screen().setForeground = [&](tk::Form&) { return ++foreground, true; };

  f->Timer_MainTimer();
  f->Image_Main.MouseUp(tk::MouseButton::Right, 3, 4, 500, 600);
  EXPECT_TRUE(f->Visible());
  EXPECT_EQ(f->PopupMenu_Main.PopupCount(), 1);
  f->PopupMenu_Main.Close();
  f->Image_Main.MouseUp(tk::MouseButton::Middle, 3, 4, 500, 600);
  EXPECT_TRUE(f->Visible());
  f->Image_Main.MouseUp(tk::MouseButton::Left, 3, 4, 500, 600);
  EXPECT_FALSE(f->Visible());
  EXPECT_FALSE(f->Timer_AnimIcon.Enabled());

  // Left button on the icon with nothing showing and no animation: the shell is not called.
  shell_.calls.clear();
  f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmLButtonUp});
  EXPECT_TRUE(shell_.calls.empty());

  // Mouse move, double click, middle button, and messages that are not the tray's: nothing.
  f->Timer_MainTimer();
  for (std::intptr_t other : {std::intptr_t{512}, tk::kWmLButtonDblClk, tk::kWmMButtonUp})
    f->Dispatch({WM_TRAYNOTIFY, 1, other});
  f->Dispatch({WM_TRAYNOTIFY + 1, 1, tk::kWmLButtonUp});
  EXPECT_TRUE(f->Visible());
  EXPECT_EQ(f->PopupMenu_Main.PopupCount(), 1);

  f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmRButtonUp});
  EXPECT_EQ(f->PopupMenu_Main.PopupCount(), 2);
  EXPECT_EQ(foreground, 1);
  EXPECT_TRUE(f->Visible());
  f->PopupMenu_Main.Close();

  // While the settings dialog is up, a right click opens nothing.
  tk::Timer whileOpen(1, true);
  whileOpen.onTimer = [&] {
    whileOpen.SetEnabled(false);
    f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmRButtonUp});
    config.Close();
  };
  config.ShowModal();
  EXPECT_EQ(f->PopupMenu_Main.PopupCount(), 2);

  // Left button on the icon while animating only (no picture shown): stops it.
  f->SetVisible(false);
  f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmLButtonUp});
  EXPECT_FALSE(f->Timer_AnimIcon.Enabled());
  EXPECT_TRUE(boxes_.empty());
  f->SetConfigForm(nullptr);
}

// A right click on the icon whose cursor position or activation fails: box 020 or 021, no menu.
TEST_F(FormTest, RightClickFailuresReportAndOpenNoMenu) {
  TForm_Main* f = Create();
  tk::Screen().cursorPos = [] { return std::optional<tk::ScreenPoint>(); };
  f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmRButtonUp});
  tk::Screen().cursorPos = [] { return std::optional<tk::ScreenPoint>(tk::ScreenPoint{1, 2}); };
  tk::Screen().setForeground = [](tk::Form&) { return false; };
  f->Dispatch({WM_TRAYNOTIFY, 1, tk::kWmRButtonUp});
  EXPECT_EQ(Captions(), (std::vector<std::string>{err::k020.caption, err::k021.caption}));
  EXPECT_EQ(f->PopupMenu_Main.PopupCount(), 0);
}

// The blink: each tick steps the frame and resends the whole record with it, 1, 0, 1, ...
TEST_F(FormTest, AnimationAlternatesTheTwoFrames) {
  TForm_Main* f = Create();
  shell_.calls.clear();
  for (int i = 0; i < 4; ++i) f->Timer_AnimIconTimer();
  ASSERT_EQ(shell_.calls.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(shell_.calls[static_cast<std::size_t>(i)].message, tk::TrayMessage::Modify);
    EXPECT_EQ(shell_.calls[static_cast<std::size_t>(i)].record.icon, P::Frame(*f, i % 2 == 0 ? 1 : 0));
    EXPECT_STREQ(shell_.calls[static_cast<std::size_t>(i)].record.tip, "Orvane  ver. 2.01");
  }
}

}  // namespace
}  // namespace orvane
