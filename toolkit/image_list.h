// A list of equally sized images from which icons are taken.
#pragma once

#include <memory>
#include <vector>

#include "gfx/bitmap.h"
#include "toolkit/icon.h"

namespace orvane::tk {

class ImageList {
 public:
  ImageList(int width, int height) : width_(width), height_(height) {}
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Adds a 24-bit image of the list's size; pixels of `maskColor` (0x00RRGGBB) become transparent.
  // Returns its index, or -1 when the image does not fit the list.
  int AddMasked(const gfx::Bitmap& image, unsigned maskColor);
  int Count() const { return static_cast<int>(images_.size()); }

  // A new icon of image `index`, or null when there is none.
  std::unique_ptr<Icon> GetIcon(int index) const;

 private:
  struct Entry {
    gfx::Bitmap image;
    unsigned maskColor;
  };
  int width_, height_;
  std::vector<Entry> images_;
};

}  // namespace orvane::tk
