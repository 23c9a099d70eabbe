#include "toolkit/jpeg_picture.h"

#include "gfx/jpeg_reader.h"
#include "toolkit/graphic_error.h"

namespace orvane::tk {

void JpegPicture::LoadFromFile(const std::string& path) {
  gfx::JpegPicture loaded;
  std::string error;
  if (!gfx::LoadJpegFile(path, loaded, &error)) {
    *this = JpegPicture{};
    throw GraphicError("JPEG error: " + path + (error.empty() ? "" : " (" + error + ")"));
  }
  // The pixels are decoded here as well, so that a file that is damaged or cut short past its
  // header fails the load, where the user is asked whether to go on, rather than later.
  image_ = Bitmap{};
  if (!gfx::DecodeJpeg(loaded.data, image_.Pixels(), &error)) {
    *this = JpegPicture{};
    throw GraphicError("JPEG error: " + path + " (" + error + ")");
  }
  width_ = loaded.width;
  height_ = loaded.height;
  data_.clear();  // decoded once: the compressed data is not needed again
}

void JpegPicture::CopyToBitmap(Bitmap& bitmap) const {
  if (!image_.Pixels().Empty()) {
    bitmap = image_;
    return;
  }
  if (Empty()) {
    bitmap.Pixels() = gfx::Bitmap{};
    return;
  }
  std::string error;
  if (!gfx::DecodeJpeg(data_, bitmap.Pixels(), &error)) {
    bitmap.Pixels() = gfx::Bitmap{};
    throw GraphicError("JPEG error #" + error);
  }
}

void JpegPicture::Assign(const Bitmap& bitmap) {
  data_.clear();
  data_.shrink_to_fit();
  image_ = bitmap;
  width_ = bitmap.Width();
  height_ = bitmap.Height();
}

}  // namespace orvane::tk
