// A control that fills its form and shows a picture unscaled from its top-left corner.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/bitmap.h"

namespace orvane::tk {

class Form;
class PopupMenu;

enum class MouseButton { Left, Right, Middle };

class PictureControl {
 public:
  explicit PictureControl(Form& parent);
  ~PictureControl();
  PictureControl(const PictureControl&) = delete;
  PictureControl& operator=(const PictureControl&) = delete;

  // Replaces the picture with a copy of `bitmap`.
  void SetPicture(const Bitmap& bitmap);
  const Bitmap& Picture() const { return picture_; }

  // Opened at the mouse position on a right click.
  PopupMenu* popupMenu = nullptr;
  // A mouse button released over the picture, at control coordinates.
  std::function<void(MouseButton button, int x, int y)> onMouseUp;

  // What the control does with a released button (the platform calls this; tests too).
  void MouseUp(MouseButton button, int x, int y, int screenX, int screenY);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
  Bitmap picture_;
};

}  // namespace orvane::tk
