// Picture objects: a bitmap with a drawing surface.
#pragma once

#include <string>

#include "gfx/bitmap.h"
#include "toolkit/font.h"

namespace orvane::tk {

struct TextRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

enum DrawTextFlags : unsigned {
  kDtNoPrefix = 0x800,  // "&" is drawn as itself
  kDtNoClip = 0x100,    // nothing is clipped to the rectangle
};

class Bitmap;

// The drawing surface of a bitmap.
class Canvas {
 public:
  explicit Canvas(Bitmap& owner) : owner_(owner) {}
  enum class BrushStyle { Solid, Clear };
  void SetBrushStyle(BrushStyle style) { brush_ = style; }
  void SetFont(const Font& font) { font_ = font; }
  const Font& GetFont() const { return font_; }

  // Draws `text` from the rectangle's top-left corner: each line feed starts a new line at the
  // same left edge, lines never wrap, nothing is clipped but by the bitmap's own edges. A
  // bitmap of fewer than 24 bits per pixel is turned into 24 bits first. Only
  // kDtNoPrefix | kDtNoClip is supported, which is how the program draws.
  void DrawText(const std::string& text, const TextRect& rect, unsigned flags);

 private:
  Bitmap& owner_;
  BrushStyle brush_ = BrushStyle::Solid;
  Font font_;
};

class Bitmap {
 public:
  Bitmap() : canvas_(*this) {}
  Bitmap(const Bitmap& other) : pixels_(other.pixels_), canvas_(*this) {}
  Bitmap& operator=(const Bitmap& other) {
    pixels_ = other.pixels_;
    return *this;
  }

  // Loads a BMP file; raises GraphicError when it cannot be read or is malformed.
  void LoadFromFile(const std::string& path);
  int Width() const { return pixels_.width; }
  int Height() const { return pixels_.height; }
  gfx::Bitmap& Pixels() { return pixels_; }
  const gfx::Bitmap& Pixels() const { return pixels_; }
  Canvas& GetCanvas() { return canvas_; }

 private:
  gfx::Bitmap pixels_;
  Canvas canvas_;
};

}  // namespace orvane::tk
