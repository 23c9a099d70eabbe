// A dialog window: caption and title bar without any buttons, a sizeable border, the dialog face
// colour and font, shown modally. Sizes and positions are those of the whole window as designed
// at 96 dpi (the client area is kFrameWidth narrower and kFrameHeight lower); the controls are
// placed in Client().
//
// The dialog is also a Form, so that the application owns it and destroys it with the others;
// Form::Visible() tells whether it is up.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/font.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace orvane::tk {

struct SizeConstraints {
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;  // 0: no limit
};

class DialogForm : public Form {
 public:
  // The border and caption of the design's window around its client area.
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 27;

  // `font` is the dialog's font, which the controls created afterwards take.
  explicit DialogForm(const Font& font);
  ~DialogForm() override;

  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;

  int Left() const override;
  int Top() const override;
  int Width() const override;
  int Height() const override;
  void SetLeft(int left) override;
  void SetTop(int top) override;
  void SetWidth(int width) override;  // the size constraints hold for every size set
  void SetHeight(int height) override;
  int ClientWidth() const { return Width() - kFrameWidth; }
  int ClientHeight() const { return Height() - kFrameHeight; }

  Container& Client();

  // Shows the dialog modally and returns when it has been closed. onShow runs before the window
  // appears; on the first showing of a run the dialog is then centred on the screen (with the
  // size onShow left), later showings keep the position it has. Closing it in any way hides it,
  // and onHide runs; the result is 1 after Close(), 2 when closed otherwise.
  int ShowModal();
  void Close();
  bool Visible() const override;

  std::function<void()> onShow;
  std::function<void()> onHide;
  // Runs each time the size is settled: it returns the limits and may adjust the controls to the
  // form's current size. It runs after every change of size, when the aligned controls have
  // followed, and the form's size is then held within the limits it gave.
  std::function<void(SizeConstraints&)> onConstrainedResize;

  struct Impl;
  Impl& dialogImpl() { return *dimpl_; }

 private:
  void Settle();
  std::unique_ptr<Impl> dimpl_;
};

}  // namespace orvane::tk
