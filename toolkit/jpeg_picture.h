// A JPEG picture object: loading reads the file and its header, the pixels are decoded when the
// picture is copied into a bitmap.
#pragma once

#include <string>
#include <vector>

#include "toolkit/bitmap.h"

namespace orvane::tk {

class JpegPicture {
 public:
  // Reads the whole file and parses its header; raises GraphicError on any failure (missing
  // file, not a JPEG, a picture too large to hold). A failed load leaves the picture empty.
  void LoadFromFile(const std::string& path);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Decodes the pixels at full size into `bitmap` (24 bits); raises GraphicError when the data
  // is broken. An empty picture gives an empty bitmap.
  void CopyToBitmap(Bitmap& bitmap) const;
  // Takes `bitmap` as its image; the compressed data is dropped.
  void Assign(const Bitmap& bitmap);
  // The image taken by Assign (empty before).
  const Bitmap& Image() const { return image_; }

 private:
  std::vector<unsigned char> data_;
  int width_ = 0, height_ = 0;
  Bitmap image_;
};

}  // namespace orvane::tk
