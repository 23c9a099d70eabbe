// Qt backend of FontDialog: Qt's own font dialog (not the desktop's, so that it can be extended)
// with a colour list of the sixteen basic colours added to its effects. A face that the font was
// mapped from (a Windows face, say) is kept by name when the user leaves the face as it was.
#include "toolkit/font_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <cmath>

#include "toolkit/qt/control_impl.h"
#include "toolkit/qt/qfont_convert.h"

namespace orvane::tk {

const std::uint32_t FontDialog::kBasicColors[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

namespace {
const char* const kColorNames[16] = {"黒",       "マルーン", "緑",       "オリーブ", "ネイビー", "紫",
                                     "ティール", "グレー",   "シルバー", "赤",       "ライム",   "黄",
                                     "青",       "フクシア", "アクア",   "白"};

QIcon Swatch(std::uint32_t color) {
  QPixmap pm(24, 12);
  pm.fill(ToQColor(color));
  return QIcon(pm);
}

QGroupBox* EffectsBox(QFontDialog& dialog) {
  for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
    if (!box->findChildren<QCheckBox*>().isEmpty()) return box;
  return nullptr;
}
}  // namespace

bool FontDialog::Execute() {
  // The dialog lists installed faces only: open it on the face the stored name resolves to
  // ("ＭＳ Ｐゴシック" is shown as the IPA face that stands in for it).
  QFont initial = ToQFont(font, style);
  initial.setFamily(QFontInfo(initial).family());
  QFontDialog dialog(initial);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.setWindowTitle(QStringLiteral("フォント"));

  auto* colors = new QComboBox;
  colors->setObjectName(QStringLiteral("color"));
  int current = -1;
  for (int i = 0; i < 16; ++i) {
    colors->addItem(Swatch(kBasicColors[i]), QString::fromUtf8(kColorNames[i]),
                    QVariant::fromValue(kBasicColors[i]));
    if (font.color == kBasicColors[i]) current = i;
  }
  if (current < 0) {  // a system colour or one of its own: offered as it is
    colors->insertItem(0, Swatch(font.color), QStringLiteral("現在の色"), QVariant::fromValue(font.color));
    current = 0;
  }
  colors->setCurrentIndex(current);
  if (QGroupBox* effects = EffectsBox(dialog); effects && effects->layout()) {
    auto* label = new QLabel(QStringLiteral("色(&C):"));
    label->setBuddy(colors);
    effects->layout()->addWidget(label);
    effects->layout()->addWidget(colors);
  } else if (dialog.layout()) {
    dialog.layout()->addWidget(colors);
  }

  if (dialog.exec() != QDialog::Accepted) return false;
  const QFont chosen = dialog.selectedFont();
  // The face the old name stands for on this system keeps the old name.
  if (QFontInfo(ToQFont(font, style)).family() != chosen.family()) font.name = FromQ(chosen.family());
  if (chosen.pointSizeF() > 0)
    font.size = static_cast<std::int32_t>(std::lround(chosen.pointSizeF()));
  else if (chosen.pixelSize() > 0)
    font.size = static_cast<std::int32_t>(std::lround(chosen.pixelSize() * 72.0 / 96.0));
  font.color = colors->currentData().value<std::uint32_t>();
  style = {chosen.bold(), chosen.italic(), chosen.underline(), chosen.strikeOut()};
  return true;
}

}  // namespace orvane::tk
