// TForm_Main's life cycle: creation order, the chime, putting it away, activation and the exit.
#include "core/error_codes.h"
#include "tests/forms/form_fixture.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace orvane {
namespace {

using P = TForm_MainProbe;

// Start-up: the title and caption are set before the tray icon is added (its tip is the
// versioned caption), the icon starts on frame 0, the first chime is armed, and nothing shows.
TEST_F(FormTest, CreationAddsTheIconWithTheCaptionAndArmsTheFirstChimeHidden) {
  clock_.now = {10, 15, 0, 0};  // hourly on the hour: 45 minutes to go
  TForm_Main* f = Create();

  EXPECT_EQ(tk::Application::Instance()->Title(), "Orvane");
  EXPECT_EQ(f->Caption(), "Orvane  ver. 2.01");
  ASSERT_FALSE(shell_.calls.empty());
  const FakeShell::Call& add = shell_.calls.front();
  EXPECT_EQ(add.message, tk::TrayMessage::Add);
  EXPECT_EQ(add.record.size, 488u);
  EXPECT_EQ(add.record.id, 1u);
  EXPECT_EQ(add.record.flags, 7u);
  EXPECT_EQ(add.record.callbackMessage, 32769u);
  EXPECT_EQ(add.record.window, f->Handle());
  EXPECT_EQ(add.record.icon, P::Frame(*f, 0));
  EXPECT_NE(P::Frame(*f, 1), nullptr);
  EXPECT_STREQ(add.record.tip, "Orvane  ver. 2.01");

  EXPECT_TRUE(f->Timer_Main.Enabled());
  EXPECT_EQ(f->Timer_Main.Interval(), 45u * 60 * 1000);
  EXPECT_FALSE(f->Timer_AnimIcon.Enabled());
  EXPECT_EQ(f->Timer_AnimIcon.Interval(), 750u);
  EXPECT_FALSE(f->Visible());
  EXPECT_TRUE(boxes_.empty());
  // First run: the message position and the version reach the settings file.
  EXPECT_EQ(ReadFile("orvane.ini"),
            "[VERSION]\nLAST_VERSION=131073\n\n[OPTION]\nMESSAGE_POS_X=90\nMESSAGE_POS_Y=130\n\n");
}

// Mended: Timer_Main used to tick from construction, before any option was loaded, and such a
// tick spent the fresh schedule. It starts off and ApplyOptions arms it.
TEST_F(FormTest, TimerMainStaysOffUntilTheOptionsAreApplied) {
  TForm_Main f(clock_);
  EXPECT_FALSE(f.Timer_Main.Enabled());
  f.ApplyOptions();
  EXPECT_TRUE(f.Timer_Main.Enabled());
}

// The menu has the settings item, a separator and the exit item, in this order, and is the
// picture's context menu as well.
TEST_F(FormTest, MenuItemsAndTheirOrder) {
  TForm_Main* f = Create();
  const auto& items = f->PopupMenu_Main.Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0]->Caption(), "設定(&O)");
  EXPECT_TRUE(items[1]->IsSeparator());
  EXPECT_EQ(items[2]->Caption(), "終了(&X)");
  EXPECT_EQ(f->Image_Main.popupMenu, &f->PopupMenu_Main);
}

// A chime shows the window when pictures are on and starts the animation when it is on; either
// way it re-arms the schedule (the countdown restarts).
TEST_F(FormTest, ChimeShowsAnimatesAndRearmsAsTheOptionsSay) {
  struct Case {
    const char* ini;
    bool visible, animating;
  } cases[] = {
      {"IS_IMAGE=1\nIS_ICONANIM=1\n", true, true},
      {"IS_IMAGE=1\nIS_ICONANIM=0\n", true, false},
      {"IS_IMAGE=0\nIS_ICONANIM=1\n", false, true},
      {"IS_IMAGE=0\nIS_ICONANIM=0\n", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    WriteIni(IniFor("image/p-goods1.jpg", c.ini));
    TForm_Main* f = Create();
    const auto starts = f->Timer_Main.Starts();
    f->Timer_MainTimer();
    EXPECT_EQ(f->Visible(), c.visible);
    EXPECT_EQ(f->Timer_AnimIcon.Enabled(), c.animating);
    EXPECT_GT(f->Timer_Main.Starts(), starts);
    f->Timer_MainTimer();  // a second chime while showing: still showing, armed again
    EXPECT_EQ(f->Visible(), c.visible);
    tk::Application::Instance()->DestroyForms();
  }
}

// Putting the chime away stops the animation, sends the resting frame and hides the window;
// Timer_Main keeps running for the next chime.
TEST_F(FormTest, HideChimeRestsTheIconAndHidesButKeepsTheSchedule) {
  TForm_Main* f = Create();
  f->Timer_MainTimer();
  f->Timer_AnimIconTimer();
  ASSERT_EQ(P::FrameIndex(*f), 1);
  shell_.calls.clear();

  f->HideChime();
  EXPECT_FALSE(f->Timer_AnimIcon.Enabled());
  EXPECT_EQ(P::FrameIndex(*f), 0);
  ASSERT_EQ(shell_.calls.size(), 1u);
  EXPECT_EQ(shell_.calls[0].message, tk::TrayMessage::Modify);
  EXPECT_EQ(shell_.calls[0].record.icon, P::Frame(*f, 0));
  EXPECT_FALSE(f->Visible());
  EXPECT_TRUE(f->Timer_Main.Enabled());
}

// Activation puts a showing chime away only with IS_ACTIVE set.
TEST_F(FormTest, ActivationHidesTheChimeOnlyWithIsActive) {
  for (bool isActive : {true, false}) {
    WriteIni(IniFor("image/p-goods1.jpg", isActive ? "IS_ACTIVE=1\n" : "IS_ACTIVE=0\n"));
    TForm_Main* f = Create();
    f->Timer_MainTimer();
    tk::Application::Instance()->onActivate();
    EXPECT_EQ(f->Visible(), !isActive) << "IS_ACTIVE=" << isActive;
    tk::Application::Instance()->DestroyForms();
  }
}

// The exit item ends the process with 0 after the teardown: the window state is written, the
// application window is looked up by the title, and the tray icon is removed last.
TEST_F(FormTest, ExitWritesTheWindowStateRemovesTheIconAndEndsWithZero) {
  WriteIni(IniFor("image/p-goods1.jpg", "MESSAGE_POS_X=7\nMESSAGE_POS_Y=9\n"));
  std::string lookedUp;
  tk::Screen().findWindow = [&](const std::string& title) {
    lookedUp = title;
    return std::uintptr_t{1};
  };
  TForm_Main* f = Create();
  std::filesystem::remove(Path("orvane.ini"));
  int code = -1;
  try {
    f->MenuItem_Exit.Click();
  } catch (const tk::ExitRequested& e) {
    code = e.code;
  }
  EXPECT_EQ(code, 0);
  EXPECT_EQ(lookedUp, "Orvane");
  EXPECT_EQ(ReadFile("orvane.ini"),
            "[VERSION]\nLAST_VERSION=131073\n\n[OPTION]\nMESSAGE_POS_X=7\nMESSAGE_POS_Y=9\n\n");
  ASSERT_FALSE(shell_.calls.empty());
  EXPECT_EQ(shell_.calls.back().message, tk::TrayMessage::Delete);
  EXPECT_EQ(shell_.calls.back().record.flags, 0u);
  EXPECT_TRUE(tk::Application::Instance()->Forms().empty());
  EXPECT_TRUE(boxes_.empty());
}

// No window bears the title at shutdown: box 013 with the error line, and shutdown goes on.
TEST_F(FormTest, MissingApplicationWindowAtShutdownReports013AndGoesOn) {
  tk::Screen().findWindow = [](const std::string&) { return std::uintptr_t{0}; };
  Create();
  tk::Application::Instance()->DestroyForms();
  EXPECT_EQ(Captions(), std::vector<std::string>{err::k013.caption});
  EXPECT_EQ(shell_.calls.back().message, tk::TrayMessage::Delete);
  EXPECT_NE(ReadFile("error.txt").find("GetLastError は 0\n"), std::string::npos);
}

}  // namespace
}  // namespace orvane
