// Qt backend of ImageList and Icon: icons are QIcons made from masked 24-bit images.
#include "toolkit/image_list.h"

#include <QPixmap>

#include "toolkit/qt/icon_impl.h"
#include "toolkit/qt/qimage_convert.h"

namespace orvane::tk {

Icon::Icon(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Icon::~Icon() = default;

int ImageList::AddMasked(const gfx::Bitmap& image, unsigned maskColor) {
  if (image.width != width_ || image.height != height_) return -1;
  images_.push_back({image, maskColor & 0xFFFFFFu});
  return Count() - 1;
}

std::unique_ptr<Icon> ImageList::GetIcon(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  const Entry& entry = images_[static_cast<std::size_t>(index)];
  auto impl = std::make_unique<Icon::Impl>();
  impl->image = ToQImage(entry.image).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < impl->image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(impl->image.scanLine(y));
    for (int x = 0; x < impl->image.width(); ++x)
      if ((row[x] & 0xFFFFFFu) == entry.maskColor) row[x] = 0;
  }
  impl->icon = QIcon(QPixmap::fromImage(impl->image));
  return std::make_unique<Icon>(std::move(impl));
}

}  // namespace orvane::tk
