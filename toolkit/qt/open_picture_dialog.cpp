// Qt backend of OpenPictureDialog: Qt's own file dialog (not the desktop's, so that it can take
// the preview), for an existing file only; the preview shows the picture under the cursor scaled
// into a fixed box.
#include "toolkit/open_picture_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

#include "toolkit/qt/control_impl.h"

namespace orvane::tk {

namespace {
std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = s.find(sep, start);
    parts.push_back(s.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

void ShowPreview(QLabel& preview, const QString& path) {
  QImageReader reader(path);
  const QSize size = reader.size();
  if (!QFileInfo(path).isFile() || !size.isValid()) {
    preview.setPixmap(QPixmap());
    preview.setText(QStringLiteral("(なし)"));
    return;
  }
  const QSize box = preview.size() - QSize(8, 8);
  if (size.width() > box.width() || size.height() > box.height())
    reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
  preview.setPixmap(QPixmap::fromImage(reader.read()));
}
}  // namespace

std::vector<OpenPictureDialog::FilterEntry> OpenPictureDialog::ParseFilter(const std::string& filter) {
  std::vector<FilterEntry> entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FilterEntry e{parts[i], {}};
    for (const std::string& p : Split(parts[i + 1], ';'))
      if (!p.empty()) e.patterns.push_back(p);
    if (!e.patterns.empty()) entries.push_back(std::move(e));
  }
  return entries;
}

bool OpenPictureDialog::Execute() {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setSizeGripEnabled(true);
  QStringList filters;
  for (const FilterEntry& e : ParseFilter(filter)) {
    QStringList patterns;
    for (const std::string& p : e.patterns) patterns << ToQ(p);
    filters << ToQ(e.description) + QStringLiteral(" (") + patterns.join(u' ') + QLatin1Char(')');
  }
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!initialDir.empty() && QDir(ToQ(initialDir)).exists()) dialog.setDirectory(ToQ(initialDir));
  if (!fileName.empty()) dialog.selectFile(ToQ(fileName));

  auto* preview = new QLabel;
  preview->setObjectName(QStringLiteral("preview"));
  preview->setFixedSize(160, 160);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameShape(QFrame::StyledPanel);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                   [preview](const QString& path) { ShowPreview(*preview, path); });
  // The stored picture is preselected: show it at once, not only after the selection moves.
  if (!fileName.empty()) ShowPreview(*preview, dialog.directory().filePath(ToQ(fileName)));

  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = FromQ(QDir::toNativeSeparators(dialog.selectedFiles().first()));
  return true;
}

}  // namespace orvane::tk
