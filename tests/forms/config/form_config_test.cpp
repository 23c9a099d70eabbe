// The settings dialog with real widgets: what a settings file shows in the controls, what closing
// writes back, the interlocks and visibility rules, the number fields, the resize rule, the
// pickers and the window's placement.
#include "forms/Config/form_config.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <functional>

#include "core/settings_file.h"
#include "forms/config/dialog_test_support.h"
#include "support/temp_install.h"
#include "toolkit/qt/control_impl.h"

namespace orvane {
namespace {

using testing::KeysOf;
using testing::ShowModalAnd;
using testing::WhenModalOpens;

class FormConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm_Config>();
    form->BaseDirectory = "/opt/orvane";
    form->Tag = 65537;
  }
  // The settings file the chime window leaves at start-up, plus `options` in OPTION.
  void WriteIni(const std::string& options, bool withStartupKeys = true) {
    std::string text = "[VERSION]\nLAST_VERSION=131073\n\n[OPTION]\n";
    if (withStartupKeys) text += "MESSAGE_POS_X=90\nMESSAGE_POS_Y=130\n";
    install.Write("orvane.ini", text + options);
  }
  std::string Saved(const std::string& key) {
    return TIniFile(install.IniPath()).ReadString("OPTION", key, "<missing>");
  }
  void Show(std::function<void()> inside = {}) { ShowModalAnd(*form, std::move(inside)); }

  testing::TempInstall install;
  std::unique_ptr<TForm_Config> form;
};

// A fresh start: the file holds only what start-up wrote. Every control shows its default, and
// closing at once writes every OPTION key in the dialog's order, the default message included.
TEST_F(FormConfigTest, FreshStartShowsDefaultsAndWritesEveryKey) {
  install.Write("orvane.ini",
                "[VERSION]\nLAST_VERSION=131073\n\n[OPTION]\nMESSAGE_POS_X=90\nMESSAGE_POS_Y=130\n");
  form->Tag = 0;  // no version on record when this run started
  Show([&] {
    TForm_Config& f = *form;
    EXPECT_EQ(f.Edit_ImagePath.Text(), "/opt/orvane/image/p-goods1.jpg");
    EXPECT_EQ(f.Memo_Message.Lines(), std::vector<std::string>{"時は満ちたり・・・"});
    EXPECT_EQ(f.Edit_PosX.Text(), "90");
    EXPECT_EQ(f.Edit_PosY.Text(), "130");
    EXPECT_EQ(f.FontDialog_Message.font.name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(f.FontDialog_Message.font.size, 9);
    EXPECT_EQ(f.Memo_Message.GetFont().name, "ＭＳ Ｐゴシック");
    EXPECT_TRUE(f.CheckBox_IsImage.Checked());
    EXPECT_TRUE(f.CheckBox_IsIconAnim.Checked());
    EXPECT_FALSE(f.CheckBox_IsActive.Checked());
    EXPECT_TRUE(f.CheckBox_IsRegion.Checked());
    EXPECT_TRUE(f.RadioButton_00minutes.Checked());
    EXPECT_FALSE(f.RadioButton_AnyTime.Checked());
    EXPECT_TRUE(f.RadioButton_BaseTime_OK.Checked());
    EXPECT_EQ(f.ComboBox_BaseTime_Hour.Text(), "無指定");
    EXPECT_EQ(f.ComboBox_BaseTime_Min.Text(), "無指定");
    EXPECT_EQ(f.ComboBox_BaseTime_Sec.Text(), "0");
    EXPECT_TRUE(f.RadioButton_DisplayTime_Hour.Checked());
    EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "0");
    for (tk::ComboBox* b :
         {&f.ComboBox_DisplayTime_Min, &f.ComboBox_DisplayTime_Sec, &f.ComboBox_DisplayTimeOnce_Hour,
          &f.ComboBox_DisplayTimeOnce_Min, &f.ComboBox_DisplayTimeOnce_Sec})
      EXPECT_EQ(b->Text(), "0");
    EXPECT_FALSE(f.Panel_AnyTime.Visible());
    EXPECT_FALSE(f.Panel_BaseTime_Any.Visible());
    EXPECT_FALSE(f.Panel_DisplayTime_Any.Visible());
    EXPECT_FALSE(f.Panel_DisplayTime_Once.Visible());
    EXPECT_TRUE(f.GroupBox_BaseTime.Visible());
    EXPECT_EQ(f.PageControl_Config.ActivePage(), &f.TabSheet_Basic);
    EXPECT_TRUE(f.tk::Form::Visible());  // what the tray asks before opening its menu
  });
  EXPECT_FALSE(form->tk::Form::Visible());

  const std::vector<std::string> order = {"MESSAGE_POS_X",
                                          "MESSAGE_POS_Y",  // already there: replaced in place
                                          "IMAGE_PATH",
                                          "MESSAGE_NUM",
                                          "MESSAGE_0",
                                          "FONT_CHARSET",
                                          "FONT_COLOR",
                                          "FONT_NAME",
                                          "FONT_SIZE",
                                          "IS_IMAGE",
                                          "IS_ICONANIM",
                                          "IS_ACTIVE",
                                          "IS_REGION",
                                          "IS_00MINUTES",
                                          "IS_BASETIME_OK",
                                          "BASETIME_HOUR",
                                          "BASETIME_MINUTE",
                                          "BASETIME_SECOND",
                                          "DISPLAYTIME",
                                          "DISPLAYTIME_ANY_HOUR",
                                          "DISPLAYTIME_ANY_MINUTE",
                                          "DISPLAYTIME_ANY_SECOND",
                                          "DISPLAYTIME_ONCE_HOUR",
                                          "DISPLAYTIME_ONCE_MINUTE",
                                          "DISPLAYTIME_ONCE_SECOND",
                                          "FORM_POS_X",
                                          "FORM_POS_Y",
                                          "FORM_POS_W"};
  const std::string text = install.Read("orvane.ini");
  EXPECT_EQ(KeysOf(text, "OPTION"), order);
  EXPECT_EQ(KeysOf(text, "VERSION"), std::vector<std::string>{"LAST_VERSION"});
  const std::pair<const char*, const char*> values[] = {
      {"IMAGE_PATH", "/opt/orvane/image/p-goods1.jpg"},
      {"MESSAGE_NUM", "1"},
      {"MESSAGE_0", "時は満ちたり・・・"},
      {"MESSAGE_POS_X", "90"},
      {"FONT_CHARSET", "128"},
      {"FONT_COLOR", "-2147483640"},
      {"FONT_NAME", "ＭＳ Ｐゴシック"},
      {"FONT_SIZE", "9"},
      {"IS_IMAGE", "1"},
      {"IS_ACTIVE", "0"},
      {"IS_REGION", "1"},
      {"IS_00MINUTES", "1"},
      {"BASETIME_HOUR", "0"},
      {"BASETIME_SECOND", "0"},
      {"DISPLAYTIME", "0"},
      {"DISPLAYTIME_ANY_HOUR", "0"},
      {"FORM_POS_W", "504"},
  };
  for (auto [key, value] : values) EXPECT_EQ(Saved(key), value) << key;
  EXPECT_EQ(TIniFile(install.IniPath()).ReadString("VERSION", "LAST_VERSION", ""), "131073");
}

// INI in -> controls shown -> INI out, for the stored values that need a rule of their own.
struct RoundTrip {
  const char* name;
  const char* options;
  std::function<void(TForm_Config&)> shown;
  std::vector<std::pair<const char*, const char*>> saved;
};

class RoundTripTest : public FormConfigTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripTest, ShowsAndSaves) {
  const RoundTrip& c = GetParam();
  WriteIni(c.options);
  Show([&] { c.shown(*form); });
  for (auto [key, value] : c.saved) EXPECT_EQ(Saved(key), value) << key;
}

const RoundTrip kRoundTrips[] = {
    {"BaseHourIsItemIndex",
     "BASETIME_HOUR=5\nBASETIME_MINUTE=60\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.ComboBox_BaseTime_Hour.Text(), "4");
       EXPECT_EQ(f.ComboBox_BaseTime_Min.Text(), "59");
     },
     {{"BASETIME_HOUR", "5"}, {"BASETIME_MINUTE", "60"}}},
    {"OutOfRangeIndexShowsNothingSavesMinusOne",
     "BASETIME_HOUR=30\nDISPLAYTIME_ONCE_HOUR=24\nBASETIME_SECOND=-3\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.ComboBox_BaseTime_Hour.ItemIndex(), -1);
       EXPECT_EQ(f.ComboBox_DisplayTimeOnce_Hour.ItemIndex(), -1);
     },
     {{"BASETIME_HOUR", "-1"}, {"DISPLAYTIME_ONCE_HOUR", "-1"}, {"BASETIME_SECOND", "-1"}}},
    {"UnknownDisplayTimeSelectsNoneSavesTwo",
     "DISPLAYTIME=5\n",
     [](TForm_Config& f) {
       EXPECT_FALSE(f.RadioButton_DisplayTime_Hour.Checked());
       EXPECT_FALSE(f.RadioButton_DisplayTime_AnyTime.Checked());
       EXPECT_FALSE(f.RadioButton_DisplayTime_Once.Checked());
     },
     {{"DISPLAYTIME", "2"}}},
    {"IntervalHourLetters",
     "DISPLAYTIME=1\nDISPLAYTIME_ANY_HOUR=abc\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "0");
       EXPECT_TRUE(f.Panel_DisplayTime_Any.Visible());
     },
     {{"DISPLAYTIME_ANY_HOUR", "0"}, {"DISPLAYTIME", "1"}}},
    {"IntervalHourTooLarge",
     "DISPLAYTIME_ANY_HOUR=2000\n",
     [](TForm_Config& f) { EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "1193"); },
     {{"DISPLAYTIME_ANY_HOUR", "1193"}}},
    {"IntervalHourLeadingZeros",
     "DISPLAYTIME_ANY_HOUR=0012\n",
     [](TForm_Config& f) { EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "12"); },
     {{"DISPLAYTIME_ANY_HOUR", "12"}}},
    {"IntervalHourEmpty",
     "DISPLAYTIME_ANY_HOUR=\n",
     [](TForm_Config& f) { EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "0"); },
     {{"DISPLAYTIME_ANY_HOUR", "0"}}},
    {"IntervalHourNegativeBecomesZero",
     "DISPLAYTIME_ANY_HOUR=-5\n",
     [](TForm_Config& f) { EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "0"); },
     {{"DISPLAYTIME_ANY_HOUR", "0"}}},
    {"IntervalHourHexAndSign",
     "DISPLAYTIME_ANY_HOUR=$10\nDISPLAYTIME_ANY_MINUTE=7\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "16");
       EXPECT_EQ(f.ComboBox_DisplayTime_Min.Text(), "7");
     },
     {{"DISPLAYTIME_ANY_HOUR", "16"}, {"DISPLAYTIME_ANY_MINUTE", "7"}}},
    {"NeitherPictureNorAnimation",
     "IS_IMAGE=0\nIS_ICONANIM=0\n",
     [](TForm_Config& f) {
       EXPECT_TRUE(f.CheckBox_IsImage.Checked());
       EXPECT_FALSE(f.CheckBox_IsIconAnim.Checked());
       EXPECT_TRUE(f.GroupBox_Image.Visible());
     },
     {{"IS_IMAGE", "1"}, {"IS_ICONANIM", "0"}}},
    {"AnimationWithoutPictureKeepsHiddenStates",
     "IS_IMAGE=0\nIS_ICONANIM=1\nIS_ACTIVE=1\nIS_REGION=1\n",
     [](TForm_Config& f) {
       EXPECT_FALSE(f.CheckBox_IsImage.Checked());
       EXPECT_FALSE(f.GroupBox_Image.Visible());
       EXPECT_FALSE(f.GroupBox_Message.Visible());
       EXPECT_FALSE(f.CheckBox_IsActive.Enabled());
       EXPECT_FALSE(f.CheckBox_IsRegion.Enabled());
       EXPECT_TRUE(f.CheckBox_IsActive.Checked());
       EXPECT_TRUE(f.CheckBox_IsRegion.Checked());
     },
     {{"IS_IMAGE", "0"}, {"IS_ICONANIM", "1"}, {"IS_ACTIVE", "1"}, {"IS_REGION", "1"}}},
    {"RegionDefaultFollowsTag",
     "",
     [](TForm_Config& f) { EXPECT_FALSE(f.CheckBox_IsRegion.Checked()); },  // Tag 65537
     {{"IS_REGION", "0"}}},
    {"MessageWithMissingLine",
     "MESSAGE_NUM=3\nMESSAGE_0=a\nMESSAGE_1=b\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.Memo_Message.Lines(), (std::vector<std::string>{"a", "b", ""}));
     },
     {{"MESSAGE_NUM", "3"}, {"MESSAGE_2", ""}}},
    {"NegativeMessageCountReadsOneLine",
     "MESSAGE_NUM=-1\nMESSAGE_0=only\nMESSAGE_1=not\n",
     [](TForm_Config& f) { EXPECT_EQ(f.Memo_Message.Lines(), std::vector<std::string>{"only"}); },
     {{"MESSAGE_NUM", "1"}, {"MESSAGE_0", "only"}}},
    {"SchedulesOfEveryKind",
     "IS_00MINUTES=0\nIS_BASETIME_OK=0\nDISPLAYTIME=2\nDISPLAYTIME_ONCE_HOUR=23\nDISPLAYTIME_ONCE_MINUTE="
     "59\n",
     [](TForm_Config& f) {
       EXPECT_TRUE(f.RadioButton_AnyTime.Checked());
       EXPECT_TRUE(f.Panel_AnyTime.Visible());
       EXPECT_TRUE(f.RadioButton_BaseTime_AnyTime.Checked());
       EXPECT_TRUE(f.Panel_BaseTime_Any.Visible());
       EXPECT_TRUE(f.RadioButton_DisplayTime_Once.Checked());
       EXPECT_TRUE(f.Panel_DisplayTime_Once.Visible());
       EXPECT_FALSE(f.Panel_DisplayTime_Any.Visible());
       EXPECT_FALSE(f.GroupBox_BaseTime.Visible());
     },
     {{"IS_00MINUTES", "0"}, {"IS_BASETIME_OK", "0"}, {"DISPLAYTIME", "2"}, {"DISPLAYTIME_ONCE_HOUR", "23"}}},
    {"FontKeysPassThrough",
     "FONT_CHARSET=300\nFONT_COLOR=255\nFONT_NAME=IPAPGothic\nFONT_SIZE=14\n",
     [](TForm_Config& f) {
       EXPECT_EQ(f.FontDialog_Message.font.charset, 44);  // the low 8 bits
       EXPECT_EQ(f.Memo_Message.GetFont().size, 14);
     },
     {{"FONT_CHARSET", "44"}, {"FONT_COLOR", "255"}, {"FONT_NAME", "IPAPGothic"}, {"FONT_SIZE", "14"}}},
};

INSTANTIATE_TEST_SUITE_P(Keys, RoundTripTest, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

// What the user leaves in the memo: an empty memo saves no line, a trailing line break adds no
// empty line, an empty line between two is saved empty; keys of a longer message stay.
TEST_F(FormConfigTest, MemoLinesAsSaved) {
  const struct {
    const char* text;
    const char* num;
    std::vector<std::pair<const char*, const char*>> lines;
  } cases[] = {
      {"", "0", {}},
      {"a\nb\n", "2", {{"MESSAGE_0", "a"}, {"MESSAGE_1", "b"}}},
      {"a\n\nb", "3", {{"MESSAGE_0", "a"}, {"MESSAGE_1", ""}, {"MESSAGE_2", "b"}}},
  };
  for (const auto& c : cases) {
    WriteIni("MESSAGE_NUM=6\nMESSAGE_5=old\n");
    Show([&] { form->Memo_Message.SetText(c.text); });
    EXPECT_EQ(Saved("MESSAGE_NUM"), c.num) << c.text;
    for (auto [key, value] : c.lines) EXPECT_EQ(Saved(key), value) << c.text;
    EXPECT_EQ(Saved("MESSAGE_5"), "old");
  }
}

// The picture interlock: unticking the picture hides its groups, greys the two boxes that need
// it and ticks the animation; unticking the animation ticks the picture again.
TEST_F(FormConfigTest, PictureAndAnimationInterlock) {
  WriteIni("IS_ICONANIM=0\n");
  Show([&] {
    TForm_Config& f = *form;
    ASSERT_FALSE(f.CheckBox_IsIconAnim.Checked());
    f.CheckBox_IsImage.SetChecked(false);
    EXPECT_TRUE(f.CheckBox_IsIconAnim.Checked());
    EXPECT_FALSE(f.GroupBox_Image.Visible());
    EXPECT_FALSE(f.GroupBox_Message.Visible());
    EXPECT_FALSE(f.CheckBox_IsActive.Enabled());
    EXPECT_FALSE(f.CheckBox_IsRegion.Enabled());
    EXPECT_TRUE(f.Panel_Image.Visible());  // the panels keep their room

    // The same by mouse.
    QTest::mouseClick(tk::WidgetOf(f.CheckBox_IsIconAnim), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(f.CheckBox_IsIconAnim.Checked());
    EXPECT_TRUE(f.CheckBox_IsImage.Checked());
    EXPECT_TRUE(f.GroupBox_Image.Visible());
    EXPECT_TRUE(f.GroupBox_Message.Visible());
    EXPECT_TRUE(f.CheckBox_IsActive.Enabled());
    EXPECT_TRUE(f.CheckBox_IsRegion.Enabled());
  });
  EXPECT_EQ(Saved("IS_IMAGE"), "1");
  EXPECT_EQ(Saved("IS_ICONANIM"), "0");
}

// The three radio groups are independent, and each shows its panels.
TEST_F(FormConfigTest, RadioGroupsAndVisibility) {
  WriteIni("");
  Show([&] {
    TForm_Config& f = *form;
    f.RadioButton_AnyTime.SetChecked(true);
    EXPECT_TRUE(f.Panel_AnyTime.Visible());
    EXPECT_FALSE(f.RadioButton_00minutes.Checked());
    EXPECT_TRUE(f.RadioButton_BaseTime_OK.Checked());  // other groups untouched
    EXPECT_TRUE(f.RadioButton_DisplayTime_Hour.Checked());

    f.RadioButton_BaseTime_AnyTime.SetChecked(true);
    EXPECT_TRUE(f.Panel_BaseTime_Any.Visible());
    EXPECT_TRUE(f.RadioButton_AnyTime.Checked());
    f.RadioButton_BaseTime_OK.SetChecked(true);
    EXPECT_FALSE(f.Panel_BaseTime_Any.Visible());

    f.RadioButton_DisplayTime_Once.SetChecked(true);
    EXPECT_TRUE(f.Panel_DisplayTime_Once.Visible());
    EXPECT_FALSE(f.Panel_DisplayTime_Any.Visible());
    EXPECT_FALSE(f.GroupBox_BaseTime.Visible());
    f.RadioButton_DisplayTime_AnyTime.SetChecked(true);
    EXPECT_TRUE(f.Panel_DisplayTime_Any.Visible());
    EXPECT_FALSE(f.Panel_DisplayTime_Once.Visible());
    EXPECT_TRUE(f.GroupBox_BaseTime.Visible());
    f.RadioButton_DisplayTime_Hour.SetChecked(true);
    EXPECT_FALSE(f.Panel_DisplayTime_Any.Visible());
    EXPECT_FALSE(f.Panel_DisplayTime_Once.Visible());
    EXPECT_TRUE(f.RadioButton_BaseTime_OK.Checked());

    f.RadioButton_00minutes.SetChecked(true);
    EXPECT_FALSE(f.Panel_AnyTime.Visible());
  });
  EXPECT_EQ(Saved("IS_00MINUTES"), "1");
  EXPECT_EQ(Saved("DISPLAYTIME"), "0");
}

// The number fields take digits and control keys only, four at most; leaving a position field
// normalises it, leaving the interval's hour field clamps it.
TEST_F(FormConfigTest, NumberFieldsFilterLimitAndNormalise) {
  WriteIni("");
  Show([&] {
    TForm_Config& f = *form;
    QWidget* x = tk::WidgetOf(f.Edit_PosX);
    QApplication::setActiveWindow(x->window());
    f.Edit_PosX.SetFocus();
    f.Edit_PosX.SetText("");
    QTest::keyClicks(x, "1a2-3");
    QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("あ"));
    QApplication::sendEvent(x, &wide);
    QTest::keyClicks(x, "4");
    EXPECT_EQ(f.Edit_PosX.Text(), "1234");
    QTest::keyClicks(x, "5");  // a fifth character
    EXPECT_EQ(f.Edit_PosX.Text(), "1234");
    QTest::keyClick(x, Qt::Key_Backspace);
    EXPECT_EQ(f.Edit_PosX.Text(), "123");

    const std::pair<const char*, const char*> exits[] = {
        {"", "0"}, {"0007", "7"}, {"12ab", "12"}, {"-3", "-3"}};
    for (auto [typed, shown] : exits) {
      f.Edit_PosX.SetFocus();
      f.Edit_PosX.SetText(typed);
      f.Edit_PosY.SetFocus();  // the exit event
      EXPECT_EQ(f.Edit_PosX.Text(), shown) << typed;
    }

    f.Edit_DisplayTime_Hour.SetFocus();
    f.Edit_DisplayTime_Hour.SetText("9999");
    f.Edit_PosY.SetFocus();
    EXPECT_EQ(f.Edit_DisplayTime_Hour.Text(), "1193");
    f.Edit_PosY.SetText("12ab");  // pasted and never left
  });
  EXPECT_EQ(Saved("MESSAGE_POS_Y"), "12");
  EXPECT_EQ(Saved("DISPLAYTIME_ANY_HOUR"), "1193");
}

// The height is held at 558 and the width at least 465; the inner controls keep their margins
// at every width, whether the program or the user sized the window.
TEST_F(FormConfigTest, ResizeRule) {
  TForm_Config& f = *form;
  auto checkRule = [&](const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(f.Height(), 558);
    EXPECT_EQ(f.Edit_ImagePath.Width(), f.Panel_ImagePath.Width() - 48);
    EXPECT_EQ(f.Memo_Message.Width(), f.Panel_Message.Width() - 48);
    EXPECT_EQ(f.Button_OK.Left(), f.Panel_OK.Width() - 96);
    EXPECT_EQ(f.Panel_AnyTime.Width(), f.GroupBox_ActiveTiming.Width() - 48);
    EXPECT_EQ(f.GroupBox_BaseTime.Width(), f.Panel_AnyTime.Width() - 32);
    EXPECT_EQ(f.GroupBox_DisplayTime.Width(), f.Panel_AnyTime.Width() - 32);
    EXPECT_EQ(f.Panel_BaseTime_Any.Width(), f.GroupBox_BaseTime.Width() - 16);
    EXPECT_EQ(f.Panel_DisplayTime_Any.Width(), f.GroupBox_DisplayTime.Width() - 16);
    EXPECT_EQ(f.Panel_DisplayTime_Once.Width(), f.GroupBox_DisplayTime.Width() - 16);
  };
  EXPECT_EQ(f.Width(), 504);
  checkRule("design");
  EXPECT_EQ(f.Panel_OK.Height(), 42);
  EXPECT_EQ(f.Panel_OK.Width(), f.ClientWidth());

  // The minimum comes from the widest check box: 417 + 2 * 24 with the design's face, a little
  // more where the face or the check mark is wider.
  const int minWidth = f.CheckBox_IsActive.Width() + 2 * f.CheckBox_IsActive.Left();
  EXPECT_GE(minWidth, 465);
  f.SetHeight(700);
  f.SetWidth(300);
  EXPECT_EQ(f.Width(), minWidth);
  checkRule("narrowed");

  f.SetWidth(900);
  EXPECT_EQ(f.Width(), 900);
  EXPECT_EQ(f.Panel_Message.Width() + 2 * 4 + 2 * 0, f.ClientWidth());  // pages inset by their frame
  checkRule("widened");

  Show([&] {
    QWidget* window = testing::DialogWindow();
    ASSERT_NE(window, nullptr);
    window->resize(700 - tk::DialogForm::kFrameWidth, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Width() == 700; }, 3000));  // a window manager answers later
    checkRule("by the window");
    EXPECT_EQ(window->maximumHeight(), 558 - tk::DialogForm::kFrameHeight);
    EXPECT_EQ(window->minimumWidth(), minWidth - tk::DialogForm::kFrameWidth);
  });
}

// The window: its caption, no title-bar button at all, Esc does not close it (there is no
// cancel), and any way of closing saves.
TEST_F(FormConfigTest, WindowHasNoTitleBarButtons) {
  WriteIni("");
  Show([&] {
    QWidget* window = testing::DialogWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(form->Caption(), "設定");
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    form->CheckBox_IsActive.SetChecked(true);
    window->close();  // as a window manager would
  });
  EXPECT_EQ(Saved("IS_ACTIVE"), "1");
}

// First showing of a run: centred on the screen with the stored width; later showings at the
// stored position. Every showing starts on the basic page.
TEST_F(FormConfigTest, PlacementAndFirstPage) {
  WriteIni("FORM_POS_X=3\nFORM_POS_Y=4\nFORM_POS_W=600\n");
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  Show([&] {
    EXPECT_EQ(form->Width(), 600);
    EXPECT_EQ(form->Left(), screen.left() + (screen.width() - 600) / 2);
    EXPECT_EQ(form->Top(), screen.top() + (screen.height() - 558) / 2);
    form->PageControl_Config.SetActivePage(form->TabSheet_ActiveTiming);
    form->SetLeft(11);
    form->SetTop(12);
  });
  EXPECT_EQ(Saved("FORM_POS_X"), "11");
  EXPECT_EQ(Saved("FORM_POS_Y"), "12");
  EXPECT_EQ(Saved("FORM_POS_W"), "600");
  Show([&] {
    EXPECT_EQ(form->Left(), 11);
    EXPECT_EQ(form->Top(), 12);
    EXPECT_EQ(form->PageControl_Config.ActivePage(), &form->TabSheet_Basic);
  });
}

// Lists, limits and focus targets as designed.
TEST_F(FormConfigTest, DesignLists) {
  TForm_Config& f = *form;
  const struct {
    tk::ComboBox* box;
    int count;
    const char* first;
    const char* last;
  } lists[] = {
      {&f.ComboBox_BaseTime_Hour, 25, "無指定", "23"},  {&f.ComboBox_BaseTime_Min, 61, "無指定", "59"},
      {&f.ComboBox_BaseTime_Sec, 60, "0", "59"},        {&f.ComboBox_DisplayTime_Min, 60, "0", "59"},
      {&f.ComboBox_DisplayTime_Sec, 60, "0", "59"},     {&f.ComboBox_DisplayTimeOnce_Hour, 24, "0", "23"},
      {&f.ComboBox_DisplayTimeOnce_Min, 60, "0", "59"}, {&f.ComboBox_DisplayTimeOnce_Sec, 60, "0", "59"},
  };
  for (const auto& l : lists) {
    EXPECT_EQ(l.box->ItemCount(), l.count);
    EXPECT_EQ(l.box->Item(0), l.first);
    EXPECT_EQ(l.box->Item(l.count - 1), l.last);
    EXPECT_EQ(l.box->DropDownCount(), 25);
    EXPECT_EQ(l.box->Width(), 65);
  }
  for (tk::Edit* e : {&f.Edit_PosX, &f.Edit_PosY, &f.Edit_DisplayTime_Hour}) EXPECT_EQ(e->MaxLength(), 4u);
  EXPECT_EQ(f.Edit_ImagePath.MaxLength(), 0u);
  EXPECT_EQ(f.Label_ImagePath.FocusControl(), &f.Edit_ImagePath);
  EXPECT_EQ(f.Label_Message.FocusControl(), &f.Memo_Message);
  EXPECT_EQ(f.Label_DisplayTime_Hour.FocusControl(), &f.Edit_DisplayTime_Hour);
  EXPECT_EQ(f.Label_DisplayTimeOnce_Hour.FocusControl(), &f.ComboBox_DisplayTimeOnce_Hour);
  EXPECT_EQ(
      f.OpenPictureDialog_Ref.filter,
      "画像ファイル(*bmp,*.jpeg;*.jpg;*.jpe;*.jfif;*.jfi;*.jif)|*bmp;*.jpeg;*.jpg;*.jpe;*.jfif;*.jfi;*.jif");
  EXPECT_EQ(f.TabSheet_Basic.Caption(), "基本設定");
  EXPECT_EQ(f.TabSheet_ActiveTiming.Caption(), "動作タイミング");
  EXPECT_EQ(f.PageControl_Config.PageCount(), 2);
}

// The accelerator of a label moves the focus to its target.
TEST_F(FormConfigTest, LabelAcceleratorMovesFocus) {
  WriteIni("");
  Show([&] {
    QWidget* window = testing::DialogWindow();
    QApplication::setActiveWindow(window);
    form->Edit_PosX.SetFocus();
    QTest::keyClick(window, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(form->Memo_Message.Focused());
    form->Label_PosY.Accelerate();
    EXPECT_TRUE(form->Edit_PosY.Focused());
  });
}

// The picker opens in the stored picture's folder with its name; cancelling changes nothing,
// choosing a file puts its full path in the field.
TEST_F(FormConfigTest, PicturePicker) {
  std::filesystem::create_directory(install.Path("pics"));
  install.Write("pics/a.jpg", "x");
  install.Write("pics/b.bmp", "x");
  const std::string stored = install.Path("pics/a.jpg");
  WriteIni("IMAGE_PATH=" + stored + "\n");
  Show([&] {
    EXPECT_EQ(form->OpenPictureDialog_Ref.initialDir, install.Path("pics/"));
    EXPECT_EQ(form->OpenPictureDialog_Ref.fileName, "a.jpg");
    WhenModalOpens([&](QWidget& w) {
      auto* dialog = qobject_cast<QFileDialog*>(&w);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
      EXPECT_EQ(dialog->directory().absolutePath().toStdString() + "/", install.Path("pics/"));
      ASSERT_EQ(dialog->nameFilters().size(), 1);
      EXPECT_TRUE(dialog->nameFilters()[0].startsWith(QStringLiteral("画像ファイル(*bmp,*.jpeg;")));
      EXPECT_NE(dialog->findChild<QWidget*>(QStringLiteral("preview")), nullptr);
      dialog->reject();
    });
    form->Button_ImageRef.Click();
    EXPECT_EQ(form->Edit_ImagePath.Text(), stored);

    WhenModalOpens([&](QWidget& w) {
      auto* dialog = qobject_cast<QFileDialog*>(&w);
      dialog->selectFile(QString::fromStdString(install.Path("pics/b.bmp")));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    form->Button_ImageRef.Click();
    EXPECT_EQ(form->Edit_ImagePath.Text(), install.Path("pics/b.bmp"));
  });
  EXPECT_EQ(Saved("IMAGE_PATH"), install.Path("pics/b.bmp"));
  // A path without a separator: no folder, the whole text as the name.
  WriteIni("IMAGE_PATH=a.jpg\n");
  Show([&] {
    EXPECT_EQ(form->OpenPictureDialog_Ref.initialDir, "");
    EXPECT_EQ(form->OpenPictureDialog_Ref.fileName, "a.jpg");
  });
}

// The pickers open on what is stored: the picture picker previews the stored picture at once,
// and the font picker shows the installed face that "ＭＳ Ｐゴシック" stands for.
TEST_F(FormConfigTest, PickersOpenOnTheStoredValues) {
  const std::string picture = install.Path("shown.png");
  QImage(24, 16, QImage::Format_RGB32).save(QString::fromStdString(picture));
  WriteIni("IMAGE_PATH=" + picture + "\n");
  Show([&] {
    WhenModalOpens([&](QWidget& w) {
      auto* preview = w.findChild<QLabel*>(QStringLiteral("preview"));
      ASSERT_NE(preview, nullptr);
      EXPECT_FALSE(preview->pixmap().isNull());
      static_cast<QDialog&>(w).reject();
    });
    form->Button_ImageRef.Click();
    WhenModalOpens([&](QWidget& w) {
      auto* dialog = qobject_cast<QFontDialog*>(&w);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->currentFont().family(), QFontInfo(dialog->currentFont()).family());
      EXPECT_TRUE(dialog->currentFont().family().startsWith(QStringLiteral("IPA")))
          << dialog->currentFont().family().toStdString();
      dialog->reject();
    });
    form->Button_Font.Click();
  });
}

// Bold and a colour chosen in the font picker show in the memo; what is saved is face, size,
// colour and the loaded character set, never the style.
TEST_F(FormConfigTest, FontPickerStyleIsNotSaved) {
  WriteIni("FONT_CHARSET=1\nFONT_NAME=DejaVu Sans\nFONT_SIZE=9\n");
  Show([&] {
    WhenModalOpens([&](QWidget& w) {
      auto* dialog = qobject_cast<QFontDialog*>(&w);
      ASSERT_NE(dialog, nullptr);
      dialog->setCurrentFont(QFontDatabase::font(QStringLiteral("DejaVu Sans"), QStringLiteral("Bold"), 14));
      auto* colors = dialog->findChild<QComboBox*>(QStringLiteral("color"));
      ASSERT_NE(colors, nullptr);
      EXPECT_EQ(colors->count(), 17);  // the sixteen, and the colour it had
      colors->setCurrentIndex(colors->findText(QStringLiteral("赤")));
      dialog->accept();
    });
    form->Button_Font.Click();
    EXPECT_TRUE(form->Memo_Message.GetFontStyle().bold);
    EXPECT_EQ(form->Memo_Message.GetFont().color, 0x0000FFu);
  });
  EXPECT_EQ(Saved("FONT_SIZE"), "14");
  EXPECT_EQ(Saved("FONT_COLOR"), "255");
  EXPECT_EQ(Saved("FONT_CHARSET"), "1");
  EXPECT_EQ(Saved("FONT_NAME"), "DejaVu Sans");
  const std::string text = install.Read("orvane.ini");
  EXPECT_EQ(text.find("BOLD"), std::string::npos);
  EXPECT_EQ(text.find("STYLE"), std::string::npos);
}

// A settings file that cannot be written: closing shows BCB-001, the file stays as it was.
TEST_F(FormConfigTest, UnwritableFileShowsBcb001) {
  std::filesystem::create_directory(install.IniPath());  // a folder where the file should be
  Show([&] { form->CheckBox_IsActive.SetChecked(true); });
  ASSERT_EQ(install.boxes.size(), 1u);
  EXPECT_NE(install.boxes[0].caption.find("BCB-001"), std::string::npos);
  EXPECT_EQ(install.boxes[0].flags, 48);
  EXPECT_TRUE(std::filesystem::is_directory(install.IniPath()));
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

// Both pages as a user sees them, kept as pictures (where ORVANE_ARTIFACTS names a folder) to
// look at: captions not cut, controls in line, the Japanese face in use.
TEST_F(FormConfigTest, ScreenshotsOfBothPages) {
  WriteIni(
      "IS_00MINUTES=0\nIS_BASETIME_OK=0\nDISPLAYTIME=1\nMESSAGE_NUM=2\nMESSAGE_0=時は満ちたり\nMESSAGE_1="
      "二行目\n");
  const char* dir = std::getenv("ORVANE_ARTIFACTS");
  Show([&] {
    QWidget* window = testing::DialogWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(QFontInfo(window->font()).family().startsWith(QStringLiteral("IPA")));
    // No check box or radio button caption is cut by its design width.
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
      if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) {
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
      }
    }
    if (!dir) return;
    std::filesystem::create_directories(dir);
    window->grab().save(QString::fromUtf8(dir) + QStringLiteral("/config-basic.png"));
    form->PageControl_Config.SetActivePage(form->TabSheet_ActiveTiming);
    window->grab().save(QString::fromUtf8(dir) + QStringLiteral("/config-timing.png"));
    form->RadioButton_DisplayTime_Once.SetChecked(true);
    window->grab().save(QString::fromUtf8(dir) + QStringLiteral("/config-timing-once.png"));
  });
}

}  // namespace
}  // namespace orvane
