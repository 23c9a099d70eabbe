// The settings command: the chime is put away, the dialog gets the base directory and the
// last-run version, no chime fires while it is open, and closing it applies the options afresh.
#include "forms/Config/form_config.h"
#include "tests/forms/form_fixture.h"
#include "toolkit/application.h"
#include "toolkit/timer.h"

namespace orvane {
namespace {

using P = TForm_MainProbe;

class SettingsCommandTest : public FormTest {
 protected:
  // Starts the program at `now` with a picture and `schedule` (INI lines) and its settings
  // dialog, as start-up does.
  TForm_Main* StartWith(const std::string& schedule, THms now = {10, 0, 0, 0}) {
    WriteIni(IniFor("pic.jpg", schedule));
    WriteJpeg("pic.jpg", 40, 30, 0x336699);
    clock_.now = now;
    TForm_Main* f = Create();
    config = tk::Application::Instance()->CreateForm<TForm_Config>();
    f->SetConfigForm(config);
    return f;
  }
  TForm_Config* config = nullptr;

  // Opens the dialog from the menu; `inside` runs while it is up, then the dialog is closed.
  void OpenSettings(TForm_Main& f, TForm_Config& dialog, std::function<void()> inside) {
    tk::Timer once(1, true);
    once.onTimer = [&] {
      once.SetEnabled(false);
      inside();
      dialog.Close();
    };
    f.MenuItem_OptionClick();
  }
};

TEST_F(SettingsCommandTest, PutsTheChimeAwayHandsOverAndStartsAFreshSchedule) {
  // Every 25 minutes from the moment the options are applied.
  TForm_Main* f = StartWith("IS_00MINUTES=0\nDISPLAYTIME=1\nDISPLAYTIME_ANY_MINUTE=25\n");
  EXPECT_EQ(f->Timer_Main.Interval(), 25u * 60 * 1000);
  f->Timer_MainTimer();  // a chime is showing and blinking
  ASSERT_TRUE(f->Visible());

  clock_.now = {10, 7, 0, 0};
  bool checked = false;
  OpenSettings(*f, *config, [&] {
    checked = true;
    EXPECT_FALSE(f->Timer_Main.Enabled());
    EXPECT_FALSE(f->Visible());
    EXPECT_FALSE(f->Timer_AnimIcon.Enabled());
    EXPECT_EQ(P::FrameIndex(*f), 0);
    EXPECT_EQ(config->BaseDirectory, GetBaseDir(P::AppInfo(*f)));
    EXPECT_EQ(config->Tag, GetLastVersion(P::AppInfo(*f)));
    EXPECT_TRUE(config->Visible());
    // The user switches to every 3 seconds.
    config->ComboBox_DisplayTime_Min.SetItemIndex(0);
    config->ComboBox_DisplayTime_Sec.SetItemIndex(3);
    clock_.now = {10, 9, 30, 0};  // the dialog stays open a while; OK is pressed now
  });
  ASSERT_TRUE(checked);
  EXPECT_FALSE(config->Visible());
  // Applied afresh from the moment the dialog closed: 3 seconds after 10:09:30.
  EXPECT_TRUE(f->Timer_Main.Enabled());
  EXPECT_EQ(f->Timer_Main.Interval(), 3000u);
  const std::string ini = ReadFile("orvane.ini");
  EXPECT_NE(ini.find("DISPLAYTIME_ANY_MINUTE=0\n"), std::string::npos);
  EXPECT_NE(ini.find("DISPLAYTIME_ANY_SECOND=3\n"), std::string::npos);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(SettingsCommandTest, OpeningAndClosingUnchangedStillRestartsTheSchedule) {
  TForm_Main* f = StartWith("IS_00MINUTES=0\nDISPLAYTIME=1\nDISPLAYTIME_ANY_HOUR=1\n");
  clock_.now = {10, 40, 0, 0};
  OpenSettings(*f, *config, [] {});
  EXPECT_EQ(f->Timer_Main.Interval(), 3600u * 1000);  // one full period after closing, not 20 minutes
}

// An unwritable settings file: the dialog's save and the window state each show BCB-001, and
// the program goes on with the options the file still holds.
TEST_F(SettingsCommandTest, UnwritableFileShowsBcb001TwiceAndKeepsTheOldOptions) {
  TForm_Main* f = StartWith("IS_00MINUTES=0\nDISPLAYTIME=1\nDISPLAYTIME_ANY_MINUTE=25\n");
  const std::string before = ReadFile("orvane.ini");
  std::filesystem::permissions(Path("orvane.ini"), std::filesystem::perms::owner_read);
  OpenSettings(*f, *config, [&] { config->ComboBox_DisplayTime_Sec.SetItemIndex(3); });
  EXPECT_EQ(CountBoxes(err::kBcb001), 2u);
  EXPECT_EQ(ReadFile("orvane.ini"), before);
  EXPECT_EQ(f->Timer_Main.Interval(), 25u * 60 * 1000);
  EXPECT_TRUE(f->Timer_Main.Enabled());
}

}  // namespace
}  // namespace orvane
