// The dialog controls' own behaviour, independent of the settings dialog: when click handlers
// run, radio groups, drop-down indices, the edit field's key filter and byte limit, memo lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "forms/config/dialog_test_support.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/dialog_form.h"
#include "toolkit/edit.h"
#include "toolkit/group_box.h"
#include "toolkit/memo.h"
#include "toolkit/open_picture_dialog.h"
#include "toolkit/panel.h"
#include "toolkit/qt/control_impl.h"
#include "toolkit/radio_button.h"

namespace orvane::tk {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  DialogForm form{Font{"ＭＳ Ｐゴシック", 9, 0, 128}};
  Panel panel{form.Client()};
};

// The handler runs on every change of state, by code or by the user, and not for the state the
// box already has.
TEST_F(ControlsTest, CheckBoxClickRunsOnEveryChangeOnly) {
  CheckBox box(panel, "a(&A)");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  box.SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box.SetChecked(true);
  box.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box.SetBounds(0, 0, 80, 17);
  QTest::mouseClick(WidgetOf(box), Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
}

// Selecting deselects the others of the same container only; only the newly selected button's
// handler runs; code may leave a group empty, a click on the selected button keeps it.
TEST_F(ControlsTest, RadioGroupsByContainer) {
  GroupBox g1(panel, "one"), g2(panel, "two");
  RadioButton a(g1, "a"), b(g1, "b"), c(g2, "c");
  std::string log;
  a.onClick = [&] { log += 'a'; };
  b.onClick = [&] { log += 'b'; };
  c.onClick = [&] { log += 'c'; };

  a.SetChecked(true);
  c.SetChecked(true);
  b.SetChecked(true);
  EXPECT_EQ(log, "acb");
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_TRUE(c.Checked());  // another group

  b.SetChecked(true);   // no change
  b.SetChecked(false);  // deselecting runs nothing
  EXPECT_EQ(log, "acb");
  EXPECT_FALSE(a.Checked() || b.Checked());

  c.SetBounds(0, 0, 60, 17);
  QTest::mouseClick(WidgetOf(c), Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_TRUE(c.Checked());
  EXPECT_EQ(log, "acb");
}

// The arrow keys select the neighbouring button of the group, as in a Windows dialog, passing
// over buttons that are hidden or disabled and going round at the ends.
TEST_F(ControlsTest, ArrowKeysSelectTheNeighbouringRadioButton) {
  GroupBox g(panel, "g");
  RadioButton a(g, "a"), b(g, "b"), c(g, "c"), d(g, "d");
  std::string log;
  for (auto [button, name] : {std::pair{&a, 'a'}, {&b, 'b'}, {&c, 'c'}, {&d, 'd'}})
    button->onClick = [&log, name = name] { log += name; };
  c.SetEnabled(false);
  a.SetChecked(true);
  QTest::keyClick(WidgetOf(a), Qt::Key_Down);
  QTest::keyClick(WidgetOf(b), Qt::Key_Right);  // c is disabled
  QTest::keyClick(WidgetOf(d), Qt::Key_Down);   // round to the first
  QTest::keyClick(WidgetOf(a), Qt::Key_Up);
  EXPECT_EQ(log, "abdad");
  EXPECT_TRUE(d.Checked());
  EXPECT_FALSE(a.Checked() || b.Checked() || c.Checked());
}

TEST_F(ControlsTest, ComboBoxIndexOutOfRangeMeansNoSelection) {
  ComboBox box(panel);
  box.SetItems({"無指定", "0", "1"});
  EXPECT_EQ(box.ItemIndex(), -1);
  box.SetDropDownCount(25);
  EXPECT_EQ(static_cast<QComboBox*>(WidgetOf(box))->maxVisibleItems(), 25);
  EXPECT_FALSE(static_cast<QComboBox*>(WidgetOf(box))->isEditable());
  const std::pair<int, int> cases[] = {{2, 2}, {3, -1}, {0, 0}, {-5, -1}, {1, 1}, {-1, -1}};
  for (auto [set, shown] : cases) {
    box.SetItemIndex(set);
    EXPECT_EQ(box.ItemIndex(), shown) << "set " << set;
  }
  box.SetItemIndex(1);
  EXPECT_EQ(box.Text(), "0");
}

// The key filter sees every typed character, control keys included; a dropped key changes
// nothing, and Backspace goes on working.
TEST_F(ControlsTest, EditKeyFilterDropsKeys) {
  Edit edit(panel);
  std::u32string seen;
  edit.onKeyPress = [&](char32_t& k) {
    seen += k;
    if (k == U'x') k = 0;
  };
  edit.SetBounds(0, 0, 60, 21);
  QWidget* w = WidgetOf(edit);
  QTest::keyClicks(w, "1x2");
  QTest::keyClick(w, Qt::Key_Backspace);
  QTest::keyClicks(w, "3");
  EXPECT_EQ(edit.Text(), "13");
  EXPECT_EQ(seen, (std::u32string{U'1', U'x', U'2', 8, U'3'}));
}

// The limit counts UTF-8 bytes: a character that would pass it is refused whole, a paste is cut
// to the room left and never inside a character, and a selection makes room.
TEST_F(ControlsTest, EditLimitCountsBytes) {
  Edit edit(panel);
  edit.SetMaxLength(7);
  EXPECT_TRUE(edit.TypeChar(U'あ'));
  EXPECT_TRUE(edit.TypeChar(U'い'));
  EXPECT_FALSE(edit.TypeChar(U'う'));  // 6 + 3 > 7
  EXPECT_TRUE(edit.TypeChar(U'a'));
  EXPECT_EQ(edit.Text(), "あいa");

  edit.SetText("");
  edit.Paste("かきくけ");
  EXPECT_EQ(edit.Text(), "かき");

  auto* line = static_cast<QLineEdit*>(WidgetOf(edit));
  line->selectAll();
  edit.Paste("1234567890");
  EXPECT_EQ(edit.Text(), "1234567");

  // Ctrl+V goes through the same cut.
  edit.SetText("12");
  line->end(false);
  QApplication::clipboard()->setText(QStringLiteral("345678"));
  QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.Text(), "1234567");

  // Setting the text from code is not limited, as on Windows.
  edit.SetText("123456789");
  EXPECT_EQ(edit.Text(), "123456789");
}

// Lines as the settings file stores them: a last empty line does not count.
TEST_F(ControlsTest, MemoLines) {
  Memo memo(panel);
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},     {"a", {"a"}}, {"a\nb\n", {"a", "b"}}, {"a\n\nb", {"a", "", "b"}}, {"a\n\n", {"a", ""}},
      {"\n", {""}},
  };
  for (const auto& c : cases) {
    memo.SetText(c.text);
    EXPECT_EQ(memo.Lines(), c.lines) << "text \"" << c.text << "\"";
  }
  memo.Clear();
  memo.AddLine("x");
  memo.AddLine("");
  memo.AddLine("y");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"x", "", "y"}));
}

// The filter text keeps its description whole; "*bmp" stays a pattern without a dot.
TEST(OpenPictureDialogFilter, ParsesDescriptionAndPatterns) {
  const auto entries = OpenPictureDialog::ParseFilter("画像(*bmp,*.jpg)|*bmp;*.jpg|壊れた|");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].description, "画像(*bmp,*.jpg)");
  EXPECT_EQ(entries[0].patterns, (std::vector<std::string>{"*bmp", "*.jpg"}));
}

}  // namespace
}  // namespace orvane::tk
