#include "forms/Config/form_config.h"

#include <algorithm>

#include "core/dialog_rules.h"
#include "core/settings_file.h"

namespace orvane {

namespace {
constexpr const char* kOption = "OPTION";
constexpr const char* kDigits = "0123456789";
constexpr int kFormWidth = 504;
constexpr int kFormHeight = 558;
constexpr const char* kPictureFilter =
    "画像ファイル(*bmp,*.jpeg;*.jpg;*.jpe;*.jfif;*.jfi;*.jif)|*bmp;*.jpeg;*.jpg;*.jpe;*.jfif;*.jfi;*.jif";

const tk::Font kDialogFont{kDefaultFontName, 9, static_cast<std::uint32_t>(kDefaultFontColor), 128};

// "0" ... "last", after an optional leading "無指定".
std::vector<std::string> Numbers(int last, bool unspecifiedFirst) {
  std::vector<std::string> items;
  if (unspecifiedFirst) items.push_back("無指定");
  for (int i = 0; i <= last; ++i) items.push_back(std::to_string(i));
  return items;
}

void Place(tk::Control& c, int left, int top) {
  c.SetBounds(left, top, c.Width(), c.Height());
}
}  // namespace

TForm_Config::TForm_Config() : tk::DialogForm(kDialogFont) {
  SetCaption("設定");
  Layout();

  onShow = [this] { FormShow(); };
  onHide = [this] { FormHide(); };
  Button_OK.onClick = [this] { Button_OKClick(); };
  CheckBox_IsImage.onClick = [this] { CheckBox_IsImageClick(); };
  CheckBox_IsIconAnim.onClick = [this] { CheckBox_IsIconAnimClick(); };
  Button_ImageRef.onClick = [this] { Button_ImageRefClick(); };
  Button_Font.onClick = [this] { Button_FontClick(); };
  Edit_PosX.onKeyPress = [this](char32_t& k) { Edit_PosXKeyPress(k); };
  Edit_PosY.onKeyPress = [this](char32_t& k) { Edit_PosYKeyPress(k); };
  Edit_DisplayTime_Hour.onKeyPress = [this](char32_t& k) { Edit_DisplayTime_HourKeyPress(k); };
  Edit_PosX.onExit = [this] { Edit_PosXExit(); };
  Edit_PosY.onExit = [this] { Edit_PosYExit(); };
  Edit_DisplayTime_Hour.onExit = [this] { Edit_DisplayTime_HourExit(); };
  RadioButton_00minutes.onClick = [this] { RadioButton_AnyTimeClick(); };
  RadioButton_AnyTime.onClick = [this] { RadioButton_AnyTimeClick(); };
  RadioButton_BaseTime_OK.onClick = [this] { RadioButton_BaseTime_AnyTimeClick(); };
  RadioButton_BaseTime_AnyTime.onClick = [this] { RadioButton_BaseTime_AnyTimeClick(); };
  RadioButton_DisplayTime_Hour.onClick = [this] { RadioButton_DisplayTime_AnyTimeClick(); };
  RadioButton_DisplayTime_AnyTime.onClick = [this] { RadioButton_DisplayTime_AnyTimeClick(); };
  RadioButton_DisplayTime_Once.onClick = [this] { RadioButton_DisplayTime_AnyTimeClick(); };

  // The design state: picture and animation ticked, no radio button selected.
  CheckBox_IsImage.SetChecked(true);
  CheckBox_IsIconAnim.SetChecked(true);

  onConstrainedResize = [this](tk::SizeConstraints& c) { FormConstrainedResize(c); };
  SetWidth(kFormWidth);
  SetHeight(kFormHeight);
}

TForm_Config::~TForm_Config() {
  // The controls go before the form; nothing may run on their way out.
  onConstrainedResize = nullptr;
  onShow = nullptr;
  onHide = nullptr;
}

// The design layout at 96 dpi: positions inside each parent, widths and heights.
void TForm_Config::Layout() {
  auto top = [](tk::Control& c, int height) {
    c.SetHeight(height);
    c.SetAlign(tk::Align::Top);
  };
  top(Panel_PageControl, 489);
  PageControl_Config.SetAlign(tk::Align::Client);
  Panel_OK.SetAlign(tk::Align::Client);
  Button_OK.SetBounds(406, 8, 75, 25);

  top(Panel_CheckBox, 137);
  top(GroupBox_CheckBox, 129);
  // The design widths, or what this platform's check mark and face need if that is more.
  auto check = [](tk::CheckBox& c, int top, int width) {
    c.SetBounds(24, top, std::max(width, c.PreferredWidth()), 17);
  };
  check(CheckBox_IsImage, 24, 113);
  check(CheckBox_IsIconAnim, 48, 185);
  check(CheckBox_IsActive, 72, 417);
  check(CheckBox_IsRegion, 96, 281);

  top(Panel_Image, 88);
  top(GroupBox_Image, 81);
  Panel_ImageRef.SetWidth(123);
  Panel_ImageRef.SetAlign(tk::Align::Right);
  Button_ImageRef.SetBounds(24, 28, 75, 25);
  Panel_ImagePath.SetAlign(tk::Align::Client);
  Place(Label_ImagePath, 24, 8);
  Label_ImagePath.SetFocusControl(&Edit_ImagePath);
  Edit_ImagePath.SetBounds(24, 29, 321, 21);

  top(Panel_Message, 232);
  top(GroupBox_Message, 227);
  Place(Label_Message, 24, 24);
  Label_Message.SetFocusControl(&Memo_Message);
  Memo_Message.SetBounds(24, 48, 449, 129);
  Place(Label_PosX, 24, 200);
  Label_PosX.SetFocusControl(&Edit_PosX);
  Edit_PosX.SetBounds(72, 196, 33, 21);
  Place(Label_PosY, 120, 200);
  Label_PosY.SetFocusControl(&Edit_PosY);
  Edit_PosY.SetBounds(168, 196, 33, 21);
  Button_Font.SetBounds(216, 194, 75, 25);

  top(Panel_ActiveTiming, 349);
  top(GroupBox_ActiveTiming, 340);
  auto radio = [](tk::RadioButton& r, int left, int top) { r.SetBounds(left, top, r.Width(), 17); };
  radio(RadioButton_00minutes, 24, 24);
  radio(RadioButton_AnyTime, 24, 48);
  Panel_AnyTime.SetBounds(24, 64, 449, 269);
  GroupBox_BaseTime.SetBounds(16, 5, 417, 96);
  radio(RadioButton_BaseTime_OK, 16, 20);
  radio(RadioButton_BaseTime_AnyTime, 16, 44);
  Panel_BaseTime_Any.SetBounds(8, 60, 401, 33);
  GroupBox_DisplayTime.SetBounds(16, 108, 417, 153);
  radio(RadioButton_DisplayTime_Hour, 16, 20);
  radio(RadioButton_DisplayTime_AnyTime, 16, 44);
  Panel_DisplayTime_Any.SetBounds(8, 60, 401, 33);
  radio(RadioButton_DisplayTime_Once, 16, 100);
  Panel_DisplayTime_Once.SetBounds(8, 116, 401, 33);

  // A time row: box (or field), then its label, three times.
  auto box = [](tk::ComboBox& b, int left, std::vector<std::string> items) {
    b.SetBounds(left, 5, 65, 21);
    b.SetItems(items);
    b.SetDropDownCount(25);
  };
  auto label = [](tk::Label& l, int left, tk::Control* target) {
    Place(l, left, 9);
    l.SetFocusControl(target);
  };
  box(ComboBox_BaseTime_Hour, 24, Numbers(23, true));
  label(Label_BaseTime_Hour, 92, &ComboBox_BaseTime_Hour);
  box(ComboBox_BaseTime_Min, 128, Numbers(59, true));
  label(Label_BaseTime_Min, 196, &ComboBox_BaseTime_Min);
  box(ComboBox_BaseTime_Sec, 232, Numbers(59, false));
  label(Label_BaseTime_Sec, 300, &ComboBox_BaseTime_Sec);

  Edit_DisplayTime_Hour.SetBounds(24, 5, 49, 21);
  label(Label_DisplayTime_Hour, 76, &Edit_DisplayTime_Hour);
  box(ComboBox_DisplayTime_Min, 128, Numbers(59, false));
  label(Label_DisplayTime_Min, 196, &ComboBox_DisplayTime_Min);
  box(ComboBox_DisplayTime_Sec, 232, Numbers(59, false));
  label(Label_DisplayTime_Sec, 300, &ComboBox_DisplayTime_Sec);

  box(ComboBox_DisplayTimeOnce_Hour, 24, Numbers(23, false));
  // Like every other label beside a time box, this one takes the focus to its box.
  label(Label_DisplayTimeOnce_Hour, 92, &ComboBox_DisplayTimeOnce_Hour);
  box(ComboBox_DisplayTimeOnce_Min, 128, Numbers(59, false));
  label(Label_DisplayTimeOnce_Min, 196, &ComboBox_DisplayTimeOnce_Min);
  box(ComboBox_DisplayTimeOnce_Sec, 232, Numbers(59, false));
  label(Label_DisplayTimeOnce_Sec, 300, &ComboBox_DisplayTimeOnce_Sec);

  for (tk::Edit* e : {&Edit_PosX, &Edit_PosY, &Edit_DisplayTime_Hour}) {
    e->SetMaxLength(4);
    e->SetText("0");
  }

  OpenPictureDialog_Ref.filter = kPictureFilter;
  FontDialog_Message.font = kDialogFont;
}

void TForm_Config::FormShow() {
  LoadDialog();
  NormaliseDisplayInterval();
  PageControl_Config.SetActivePage(TabSheet_Basic);
}

void TForm_Config::FormHide() {
  SaveDialog();
}

void TForm_Config::FormConstrainedResize(tk::SizeConstraints& limits) {
  limits.minWidth = CheckBox_IsActive.Width() + 2 * CheckBox_IsActive.Left();
  limits.minHeight = kFormHeight;
  limits.maxHeight = kFormHeight;

  Edit_ImagePath.SetWidth(Panel_ImagePath.Width() - 48);
  Memo_Message.SetWidth(Panel_Message.Width() - 48);
  Button_OK.SetLeft(Panel_OK.Width() - 96);
  Panel_AnyTime.SetWidth(GroupBox_ActiveTiming.Width() - 48);
  GroupBox_BaseTime.SetWidth(Panel_AnyTime.Width() - 32);
  GroupBox_DisplayTime.SetWidth(Panel_AnyTime.Width() - 32);
  Panel_BaseTime_Any.SetWidth(GroupBox_BaseTime.Width() - 16);
  Panel_DisplayTime_Any.SetWidth(GroupBox_DisplayTime.Width() - 16);
  Panel_DisplayTime_Once.SetWidth(GroupBox_DisplayTime.Width() - 16);
}

void TForm_Config::Button_OKClick() {
  Close();
}

void TForm_Config::CheckBox_IsImageClick() {
  const bool t = CheckBox_IsImage.Checked();
  CheckBox_IsActive.SetEnabled(t);
  CheckBox_IsRegion.SetEnabled(t);
  GroupBox_Image.SetVisible(t);
  GroupBox_Message.SetVisible(t);
  if (!t) CheckBox_IsIconAnim.SetChecked(true);
}

void TForm_Config::CheckBox_IsIconAnimClick() {
  if (!CheckBox_IsIconAnim.Checked()) CheckBox_IsImage.SetChecked(true);
}

void TForm_Config::Button_ImageRefClick() {
  if (OpenPictureDialog_Ref.Execute()) Edit_ImagePath.SetText(OpenPictureDialog_Ref.fileName);
}

void TForm_Config::Button_FontClick() {
  if (FontDialog_Message.Execute()) Memo_Message.SetFont(FontDialog_Message.font, FontDialog_Message.style);
}

void TForm_Config::Edit_PosXKeyPress(char32_t& key) {
  FilterKey(key, kDigits, true);
}
void TForm_Config::Edit_PosYKeyPress(char32_t& key) {
  FilterKey(key, kDigits, true);
}
void TForm_Config::Edit_DisplayTime_HourKeyPress(char32_t& key) {
  FilterKey(key, kDigits, true);
}

void TForm_Config::Edit_PosXExit() {
  Edit_PosX.SetText(NormaliseDecimalText(Edit_PosX.Text()));
}
void TForm_Config::Edit_PosYExit() {
  Edit_PosY.SetText(NormaliseDecimalText(Edit_PosY.Text()));
}
void TForm_Config::Edit_DisplayTime_HourExit() {
  NormaliseDisplayInterval();
}

void TForm_Config::RadioButton_AnyTimeClick() {
  Panel_AnyTime.SetVisible(RadioButton_AnyTime.Checked());
}

void TForm_Config::RadioButton_BaseTime_AnyTimeClick() {
  Panel_BaseTime_Any.SetVisible(RadioButton_BaseTime_AnyTime.Checked());
}

void TForm_Config::RadioButton_DisplayTime_AnyTimeClick() {
  Panel_DisplayTime_Any.SetVisible(RadioButton_DisplayTime_AnyTime.Checked());
  Panel_DisplayTime_Once.SetVisible(RadioButton_DisplayTime_Once.Checked());
  GroupBox_BaseTime.SetVisible(!RadioButton_DisplayTime_Once.Checked());
}

void TForm_Config::LoadDialog() {
  const std::string defaultPicture = BaseDirectory + kDefaultImageSuffix;
  std::unique_ptr<TIniFile> ini = OpenSettingsFile();

  Edit_ImagePath.SetText(ini->ReadString(kOption, "IMAGE_PATH", defaultPicture));

  Memo_Message.Clear();
  const std::int32_t n = ini->ReadInteger(kOption, "MESSAGE_NUM", 0);
  if (n != 0) {
    // A negative count still adds MESSAGE_0; a huge one stops at the bound the chime window keeps.
    const std::int32_t lines = std::clamp<std::int32_t>(n, 1, kMaxMessageLines);
    for (std::int32_t i = 0; i < lines; ++i)
      Memo_Message.AddLine(ini->ReadString(kOption, "MESSAGE_" + std::to_string(i), ""));
  } else {
    Memo_Message.AddLine(kDefaultMessage);
  }

  Edit_PosX.SetText(std::to_string(ini->ReadInteger(kOption, "MESSAGE_POS_X", 0)));
  Edit_PosY.SetText(std::to_string(ini->ReadInteger(kOption, "MESSAGE_POS_Y", 0)));

  tk::Font& font = FontDialog_Message.font;
  font.charset = static_cast<std::uint8_t>(ini->ReadInteger(kOption, "FONT_CHARSET", 128) & 0xFF);
  font.color = static_cast<std::uint32_t>(ini->ReadInteger(kOption, "FONT_COLOR", kDefaultFontColor));
  font.name = ini->ReadString(kOption, "FONT_NAME", kDefaultFontName);
  font.size = ini->ReadInteger(kOption, "FONT_SIZE", 9);

  CheckBox_IsImage.SetChecked(ini->ReadBool(kOption, "IS_IMAGE", true));
  CheckBox_IsIconAnim.SetChecked(ini->ReadBool(kOption, "IS_ICONANIM", true));
  CheckBox_IsActive.SetChecked(ini->ReadBool(kOption, "IS_ACTIVE", false));
  CheckBox_IsRegion.SetChecked(ini->ReadBool(kOption, "IS_REGION", Tag == 0));

  RadioButton_00minutes.SetChecked(ini->ReadBool(kOption, "IS_00MINUTES", true));
  RadioButton_BaseTime_OK.SetChecked(ini->ReadBool(kOption, "IS_BASETIME_OK", true));

  ComboBox_BaseTime_Hour.SetItemIndex(ini->ReadInteger(kOption, "BASETIME_HOUR", 0));
  ComboBox_BaseTime_Min.SetItemIndex(ini->ReadInteger(kOption, "BASETIME_MINUTE", 0));
  ComboBox_BaseTime_Sec.SetItemIndex(ini->ReadInteger(kOption, "BASETIME_SECOND", 0));

  const std::int32_t d = ini->ReadInteger(kOption, "DISPLAYTIME", 0);
  Edit_DisplayTime_Hour.SetText(ini->ReadString(kOption, "DISPLAYTIME_ANY_HOUR", "0"));
  ComboBox_DisplayTime_Min.SetItemIndex(ini->ReadInteger(kOption, "DISPLAYTIME_ANY_MINUTE", 0));
  ComboBox_DisplayTime_Sec.SetItemIndex(ini->ReadInteger(kOption, "DISPLAYTIME_ANY_SECOND", 0));
  ComboBox_DisplayTimeOnce_Hour.SetItemIndex(ini->ReadInteger(kOption, "DISPLAYTIME_ONCE_HOUR", 0));
  ComboBox_DisplayTimeOnce_Min.SetItemIndex(ini->ReadInteger(kOption, "DISPLAYTIME_ONCE_MINUTE", 0));
  ComboBox_DisplayTimeOnce_Sec.SetItemIndex(ini->ReadInteger(kOption, "DISPLAYTIME_ONCE_SECOND", 0));

  RadioButton_AnyTime.SetChecked(!RadioButton_00minutes.Checked());
  RadioButton_BaseTime_AnyTime.SetChecked(!RadioButton_BaseTime_OK.Checked());

  RadioButton_DisplayTime_Hour.SetChecked(d == 0);
  RadioButton_DisplayTime_AnyTime.SetChecked(d == 1);
  RadioButton_DisplayTime_Once.SetChecked(d == 2);

  SetLeft(ini->ReadInteger(kOption, "FORM_POS_X", Left()));
  SetTop(ini->ReadInteger(kOption, "FORM_POS_Y", Top()));
  SetWidth(ini->ReadInteger(kOption, "FORM_POS_W", Width()));

  ini.reset();

  const PathParts parts = SplitPicturePath(Edit_ImagePath.Text());
  OpenPictureDialog_Ref.initialDir = parts.folder;
  OpenPictureDialog_Ref.fileName = parts.file;

  Memo_Message.SetFont(FontDialog_Message.font, FontDialog_Message.style);

  if (!CheckBox_IsImage.Checked() && !CheckBox_IsIconAnim.Checked()) CheckBox_IsImage.SetChecked(true);
}

void TForm_Config::SaveDialog() {
  std::unique_ptr<TIniFile> ini = OpenSettingsFile();

  ini->WriteString(kOption, "IMAGE_PATH", Edit_ImagePath.Text());

  const std::vector<std::string> lines = Memo_Message.Lines();
  ini->WriteInteger(kOption, "MESSAGE_NUM", static_cast<std::int32_t>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i)
    ini->WriteString(kOption, "MESSAGE_" + std::to_string(i), lines[i]);

  ini->WriteInteger(kOption, "MESSAGE_POS_X", AtolText(Edit_PosX.Text()));
  ini->WriteInteger(kOption, "MESSAGE_POS_Y", AtolText(Edit_PosY.Text()));

  const tk::Font& font = FontDialog_Message.font;
  ini->WriteInteger(kOption, "FONT_CHARSET", font.charset);
  ini->WriteInteger(kOption, "FONT_COLOR", static_cast<std::int32_t>(font.color));
  ini->WriteString(kOption, "FONT_NAME", font.name);
  ini->WriteInteger(kOption, "FONT_SIZE", font.size);

  ini->WriteBool(kOption, "IS_IMAGE", CheckBox_IsImage.Checked());
  ini->WriteBool(kOption, "IS_ICONANIM", CheckBox_IsIconAnim.Checked());
  ini->WriteBool(kOption, "IS_ACTIVE", CheckBox_IsActive.Checked());
  ini->WriteBool(kOption, "IS_REGION", CheckBox_IsRegion.Checked());

  ini->WriteBool(kOption, "IS_00MINUTES", RadioButton_00minutes.Checked());
  ini->WriteBool(kOption, "IS_BASETIME_OK", RadioButton_BaseTime_OK.Checked());

  ini->WriteInteger(kOption, "BASETIME_HOUR", ComboBox_BaseTime_Hour.ItemIndex());
  ini->WriteInteger(kOption, "BASETIME_MINUTE", ComboBox_BaseTime_Min.ItemIndex());
  ini->WriteInteger(kOption, "BASETIME_SECOND", ComboBox_BaseTime_Sec.ItemIndex());

  const std::int32_t d = RadioButton_DisplayTime_Hour.Checked()      ? 0
                         : RadioButton_DisplayTime_AnyTime.Checked() ? 1
                                                                     : 2;
  ini->WriteInteger(kOption, "DISPLAYTIME", d);

  ini->WriteString(kOption, "DISPLAYTIME_ANY_HOUR", Edit_DisplayTime_Hour.Text());
  ini->WriteInteger(kOption, "DISPLAYTIME_ANY_MINUTE", ComboBox_DisplayTime_Min.ItemIndex());
  ini->WriteInteger(kOption, "DISPLAYTIME_ANY_SECOND", ComboBox_DisplayTime_Sec.ItemIndex());
  ini->WriteInteger(kOption, "DISPLAYTIME_ONCE_HOUR", ComboBox_DisplayTimeOnce_Hour.ItemIndex());
  ini->WriteInteger(kOption, "DISPLAYTIME_ONCE_MINUTE", ComboBox_DisplayTimeOnce_Min.ItemIndex());
  ini->WriteInteger(kOption, "DISPLAYTIME_ONCE_SECOND", ComboBox_DisplayTimeOnce_Sec.ItemIndex());

  ini->WriteInteger(kOption, "FORM_POS_X", Left());
  ini->WriteInteger(kOption, "FORM_POS_Y", Top());
  ini->WriteInteger(kOption, "FORM_POS_W", Width());

  CommitSettingsFile(std::move(ini));
}

void TForm_Config::NormaliseDisplayInterval() {
  Edit_DisplayTime_Hour.SetText(NormaliseIntervalHourText(Edit_DisplayTime_Hour.Text()));
}

}  // namespace orvane
