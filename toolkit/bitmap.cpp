#include "toolkit/bitmap.h"

#include "gfx/bmp_reader.h"
#include "toolkit/graphic_error.h"

namespace orvane::tk {

void Bitmap::LoadFromFile(const std::string& path) {
  std::string error;
  if (!gfx::LoadBmpFile(path, pixels_, &error)) {
    pixels_ = gfx::Bitmap{};
    throw GraphicError("Bitmap image is not valid: " + path + (error.empty() ? "" : " (" + error + ")"));
  }
}

}  // namespace orvane::tk
