// TForm_Config: the settings dialog. Two pages, 基本設定 (picture, animation, message) and 動作タイミング
// (when the chime comes); showing it fills every control from the settings file, closing it in any
// way writes every control back. It keeps no options of its own.
//
// Use: set BaseDirectory and Tag, then ShowModal(), which returns once the dialog has been closed
// and saved. The controls are public, as the components of a form are.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/dialog_form.h"
#include "toolkit/edit.h"
#include "toolkit/font_dialog.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/memo.h"
#include "toolkit/open_picture_dialog.h"
#include "toolkit/page_control.h"
#include "toolkit/panel.h"
#include "toolkit/radio_button.h"
#include "toolkit/tab_sheet.h"

namespace orvane {

class TForm_Config : public tk::DialogForm {
 public:
  TForm_Config();
  ~TForm_Config() override;

  // Handed over by the chime window before each showing.
  std::string BaseDirectory;  // base of the default picture path
  std::int32_t Tag = 0;       // the last-run version; 0 makes IS_REGION default to ticked

  // Top of the form: the pages.
  tk::Panel Panel_PageControl{Client()};
  tk::PageControl PageControl_Config{Panel_PageControl};

  tk::TabSheet TabSheet_Basic{PageControl_Config, "基本設定"};
  tk::Panel Panel_CheckBox{TabSheet_Basic};
  tk::GroupBox GroupBox_CheckBox{Panel_CheckBox, "基本設定"};
  tk::CheckBox CheckBox_IsImage{GroupBox_CheckBox, "画像を表示する(&I)"};
  tk::CheckBox CheckBox_IsIconAnim{GroupBox_CheckBox, "アイコンをアニメーションする(&A)"};
  tk::CheckBox CheckBox_IsActive{
      GroupBox_CheckBox, "Alt+Tabなどでアクティブ化すると同時にアイコン化する（キーボーダー向け）(&K)"};
  tk::CheckBox CheckBox_IsRegion{GroupBox_CheckBox, "bmpファイルならば、(0,0)の色を透明色として扱う(&T)"};
  tk::Panel Panel_Image{TabSheet_Basic};
  tk::GroupBox GroupBox_Image{Panel_Image, "画像ファイル"};
  tk::Panel Panel_ImageRef{GroupBox_Image};
  tk::Button Button_ImageRef{Panel_ImageRef, "参照(&R)"};
  tk::Panel Panel_ImagePath{GroupBox_Image};
  tk::Label Label_ImagePath{Panel_ImagePath, "表示する画像のフルパス(&P) :"};
  tk::Edit Edit_ImagePath{Panel_ImagePath};
  tk::Panel Panel_Message{TabSheet_Basic};
  tk::GroupBox GroupBox_Message{Panel_Message, "メッセージ"};
  tk::Label Label_Message{GroupBox_Message, "表示するメッセージ(&M) :"};
  tk::Memo Memo_Message{GroupBox_Message};
  tk::Label Label_PosX{GroupBox_Message, "X座標(&X)"};
  tk::Edit Edit_PosX{GroupBox_Message};
  tk::Label Label_PosY{GroupBox_Message, "Y座標(&Y)"};
  tk::Edit Edit_PosY{GroupBox_Message};
  tk::Button Button_Font{GroupBox_Message, "フォント(&F)"};

  tk::TabSheet TabSheet_ActiveTiming{PageControl_Config, "動作タイミング"};
  tk::Panel Panel_ActiveTiming{TabSheet_ActiveTiming};
  tk::GroupBox GroupBox_ActiveTiming{Panel_ActiveTiming, "動作タイミング"};
  tk::RadioButton RadioButton_00minutes{GroupBox_ActiveTiming, "毎時00分(&0)"};
  tk::RadioButton RadioButton_AnyTime{GroupBox_ActiveTiming, "任意(&A)"};
  tk::Panel Panel_AnyTime{GroupBox_ActiveTiming};
  tk::GroupBox GroupBox_BaseTime{Panel_AnyTime, "基準時刻"};
  tk::RadioButton RadioButton_BaseTime_OK{GroupBox_BaseTime,
                                          "起動時、または、OKボタンが押された時刻から(&B)"};
  tk::RadioButton RadioButton_BaseTime_AnyTime{GroupBox_BaseTime, "任意から(&F)"};
  tk::Panel Panel_BaseTime_Any{GroupBox_BaseTime};
  tk::ComboBox ComboBox_BaseTime_Hour{Panel_BaseTime_Any};
  tk::Label Label_BaseTime_Hour{Panel_BaseTime_Any, "時(&H)"};
  tk::ComboBox ComboBox_BaseTime_Min{Panel_BaseTime_Any};
  tk::Label Label_BaseTime_Min{Panel_BaseTime_Any, "分(&M)"};
  tk::ComboBox ComboBox_BaseTime_Sec{Panel_BaseTime_Any};
  tk::Label Label_BaseTime_Sec{Panel_BaseTime_Any, "秒(&S)"};
  tk::GroupBox GroupBox_DisplayTime{Panel_AnyTime, "表示時刻"};
  tk::RadioButton RadioButton_DisplayTime_Hour{GroupBox_DisplayTime, "1時間おき(&1)"};
  tk::RadioButton RadioButton_DisplayTime_AnyTime{GroupBox_DisplayTime, "任意時間おき(&E)"};
  tk::Panel Panel_DisplayTime_Any{GroupBox_DisplayTime};
  tk::Edit Edit_DisplayTime_Hour{Panel_DisplayTime_Any};
  tk::Label Label_DisplayTime_Hour{Panel_DisplayTime_Any, "時間(&R)"};
  tk::ComboBox ComboBox_DisplayTime_Min{Panel_DisplayTime_Any};
  tk::Label Label_DisplayTime_Min{Panel_DisplayTime_Any, "分(&N)"};
  tk::ComboBox ComboBox_DisplayTime_Sec{Panel_DisplayTime_Any};
  tk::Label Label_DisplayTime_Sec{Panel_DisplayTime_Any, "秒(&C)"};
  tk::RadioButton RadioButton_DisplayTime_Once{GroupBox_DisplayTime,
                                               "任意時間の時刻に１度だけ（基準時刻を無視します）(&T)"};
  tk::Panel Panel_DisplayTime_Once{GroupBox_DisplayTime};
  tk::ComboBox ComboBox_DisplayTimeOnce_Hour{Panel_DisplayTime_Once};
  tk::Label Label_DisplayTimeOnce_Hour{Panel_DisplayTime_Once, "時(&H)"};
  tk::ComboBox ComboBox_DisplayTimeOnce_Min{Panel_DisplayTime_Once};
  tk::Label Label_DisplayTimeOnce_Min{Panel_DisplayTime_Once, "分(&M)"};
  tk::ComboBox ComboBox_DisplayTimeOnce_Sec{Panel_DisplayTime_Once};
  tk::Label Label_DisplayTimeOnce_Sec{Panel_DisplayTime_Once, "秒(&S)"};

  // Bottom of the form.
  tk::Panel Panel_OK{Client()};
  tk::Button Button_OK{Panel_OK, "OK(&O)"};

  // Pickers.
  tk::OpenPictureDialog OpenPictureDialog_Ref;
  tk::FontDialog FontDialog_Message;

  // Event handlers.
  void FormShow();
  void FormHide();
  void FormConstrainedResize(tk::SizeConstraints& limits);
  void Button_OKClick();
  void CheckBox_IsImageClick();
  void CheckBox_IsIconAnimClick();
  void Button_ImageRefClick();
  void Button_FontClick();
  void Edit_PosXKeyPress(char32_t& key);
  void Edit_PosYKeyPress(char32_t& key);
  void Edit_DisplayTime_HourKeyPress(char32_t& key);
  void Edit_PosXExit();
  void Edit_PosYExit();
  void Edit_DisplayTime_HourExit();
  void RadioButton_AnyTimeClick();
  void RadioButton_BaseTime_AnyTimeClick();
  void RadioButton_DisplayTime_AnyTimeClick();

  // Filling from and saving to the settings file.
  void LoadDialog();
  void SaveDialog();
  void NormaliseDisplayInterval();

 private:
  void Layout();
};

}  // namespace orvane
