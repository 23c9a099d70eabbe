// TForm_Main: the chime picture with its message, the window's shape, and its place on screen.
#include <cstdlib>

#include "core/error_codes.h"
#include "core/error_report.h"
#include "forms/Main/form_main.h"
#include "gfx/region.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/jpeg_picture.h"
#include "toolkit/screen.h"

namespace orvane {

void TForm_Main::RenderChime() {
  tk::JpegPicture jpeg;
  tk::Bitmap bitmap;

  try {
    if (IsJpeg)
      jpeg.LoadFromFile(Options.ImagePath);
    else
      bitmap.LoadFromFile(Options.ImagePath);
  } catch (...) {
    if (ReportError(err::k003) == kIdNo) {
      EndProcess();
    }
    // Yes: go on with the empty picture; every step below copes with 0 x 0.
  }

  SetWidth(IsJpeg ? jpeg.Width() : bitmap.Width());
  SetHeight(IsJpeg ? jpeg.Height() : bitmap.Height());

  if (!IsJpeg) {
    gfx::Region region;
    if (Options.IsRegion) region = gfx::CreateRegionFromBitmap(bitmap.Pixels());
    WindowRegion = region;
    if (!SetRegion(region)) {
      const int code = tk::LastError();
      ReportError(err::k023);
      LogLastError(code);
    }
  } else {
    jpeg.CopyToBitmap(bitmap);  // a decoding failure leaves ApplyOptions here
  }

  tk::Canvas& canvas = bitmap.GetCanvas();
  canvas.SetBrushStyle(tk::Canvas::BrushStyle::Clear);
  const TFontSpec& f = Options.MessageFont;
  canvas.SetFont(tk::Font{f.Name, f.Size, static_cast<std::uint32_t>(f.Color), f.Charset});

  const tk::ScreenRect client = ClientRect();
  tk::TextRect rect{client.left, client.top, client.right, client.bottom};
  if (GetLastVersion(AppInfo) != 0) {
    rect.left = Options.MessagePosX;
    rect.top = Options.MessagePosY;
  } else {
    Options.MessagePosX = 90;
    Options.MessagePosY = 130;
    rect.left = 90;
    rect.top = 130;
  }
  canvas.DrawText(Options.MessageText, rect, tk::kDtNoPrefix | tk::kDtNoClip);

  if (IsJpeg) {
    jpeg.Assign(bitmap);
    Image_Main.SetPicture(jpeg.Image());
  } else {
    Image_Main.SetPicture(bitmap);
  }
}

void TForm_Main::PlaceWindow() {
  const std::optional<tk::ScreenRect> area = tk::Screen().workArea();
  if (area) {
    SetLeft(area->right - Width());
    SetTop(area->bottom - Height());
    return;
  }
  const int code = tk::LastError();
  ReportError(err::k014);
  LogLastError(code);
  SetLeft(0);
  SetTop(0);
}

}  // namespace orvane
