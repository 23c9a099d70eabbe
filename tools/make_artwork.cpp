// Draws the program's own artwork: the default chime picture (image/p-goods1.jpg) and a sample shaped
// bitmap (image/sample-shape.bmp) whose magenta surround is cut away when the picture shapes the window.
// Everything is drawn from simple shapes, sampled 4 x 4 times per pixel for smooth edges.
//
//   make_artwork [FOLDER]    writes both files into FOLDER (default: image)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gfx/bmp_reader.h"
#include "gfx/jpeg_reader.h"
#include "gfx/region.h"

namespace {

struct Colour {
  float r = 0, g = 0, b = 0;
};

Colour Mix(Colour a, Colour b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour Rgb(int r, int g, int b) {
  return {float(r), float(g), float(b)};
}

// Signed distances: negative inside the shape.
float Circle(float x, float y, float cx, float cy, float r) {
  return std::hypot(x - cx, y - cy) - r;
}
float Ring(float x, float y, float cx, float cy, float r, float thickness) {
  return std::fabs(std::hypot(x - cx, y - cy) - r) - thickness / 2;
}
float RoundedBox(float x, float y, float left, float top, float right, float bottom, float radius) {
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float qx = std::fabs(x - cx) - (right - left) / 2 + radius;
  const float qy = std::fabs(y - cy) - (bottom - top) / 2 + radius;
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}
// A line from (ax, ay) to (bx, by) with round ends.
float Capsule(float x, float y, float ax, float ay, float bx, float by, float radius) {
  const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  const float t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
  return std::hypot(px - dx * t, py - dy * t) - radius;
}

constexpr float kPi = 3.14159265f;

// ---- The chime picture: a bell ringing over a morning sky, with a quiet card where the message goes
// (the first-run message position is 90, 130).

constexpr int kPictureWidth = 320, kPictureHeight = 240;

Colour BellColour(float x, float y, bool& inside) {
  const float cx = 240, top = 34, lip = 104;
  inside = true;
  // The hanging loop and the clapper.
  if (Ring(x, y, cx, top - 8, 7, 3.2f) < 0 && y < top - 2) return Rgb(150, 104, 40);
  if (Circle(x, y, cx, lip + 11, 7.5f) < 0) {
    return Mix(Rgb(196, 140, 48), Rgb(120, 80, 30), (x - cx + 7) / 14);
  }
  // The lip: a flat ellipse across the bottom.
  const float lx = (x - cx) / 47, ly = (y - lip) / 7.5f;
  if (lx * lx + ly * ly < 1) return Mix(Rgb(226, 166, 60), Rgb(160, 108, 36), (x - cx + 47) / 94);
  // The body: a dome on top, then a waist that flares out towards the lip.
  const float t = (y - top) / (lip - top);
  const float half = 17 + 27 * t * t * t + 6 * t;
  const bool body =
      (y >= top + 10 && y <= lip && std::fabs(x - cx) < half) || Circle(x, y, cx, top + 12, 17.5f) < 0;
  if (!body) {
    inside = false;
    return {};
  }
  // Lit from the upper left: a soft highlight band, darker towards the right edge.
  const float u = (x - cx) / half;  // -1 .. 1 across the body
  Colour c = Mix(Rgb(250, 206, 92), Rgb(190, 128, 36), (u + 0.6f) / 1.6f);
  const float highlight = std::exp(-std::pow((u + 0.45f) / 0.16f, 2.0f));
  c = Mix(c, Rgb(255, 246, 210), highlight * 0.8f);
  // A band just above the lip.
  if (std::fabs(y - (lip - 14)) < 2.2f) c = Mix(c, Rgb(170, 112, 34), 0.55f);
  return c;
}

Colour PictureColour(float x, float y) {
  // Sky: soft blue above, warm peach towards the horizon.
  Colour c = Mix(Rgb(122, 168, 226), Rgb(255, 224, 198), y / 205);
  // A rising sun behind the hills, with a wide glow.
  const float sun = Circle(x, y, 74, 204, 30);
  c = Mix(c, Rgb(255, 240, 196), std::exp(-std::max(sun, 0.0f) / 38) * 0.55f);
  if (sun < 0) c = Rgb(255, 236, 168);
  // Twinkles in the upper sky.
  const float stars[][3] = {{36, 34, 5},  {78, 20, 3.5f}, {132, 46, 4.5f},
                            {170, 18, 3}, {26, 86, 3},    {300, 150, 3}};
  for (const auto& s : stars) {
    const float dx = std::fabs(x - s[0]), dy = std::fabs(y - s[1]);
    if (std::sqrt(dx) + std::sqrt(dy) < std::sqrt(s[2])) c = Mix(c, Rgb(255, 255, 255), 0.9f);
  }
  // Two rows of rolling hills.
  if (y > 196 + 9 * std::sin(x / 38 + 0.4f)) c = Mix(Rgb(160, 208, 140), Rgb(128, 188, 118), (y - 190) / 50);
  if (y > 212 + 7 * std::sin(x / 26 + 2.1f)) c = Mix(Rgb(112, 176, 110), Rgb(82, 150, 92), (y - 210) / 30);
  // Sound rings on both sides of the bell.
  for (float r : {62.0f, 76.0f}) {
    const float angle = std::atan2(y - 72, x - 240);
    const float side = std::min(std::fabs(angle), kPi - std::fabs(angle));  // 0 on the horizontal
    if (side < 0.42f && Ring(x, y, 240, 72, r, 2.6f) < 0) c = Mix(c, Rgb(255, 255, 255), 0.75f);
  }
  bool inBell = false;
  const Colour bell = BellColour(x, y, inBell);
  if (inBell) c = bell;
  // The card behind the message: light, calm and a little see-through, with a faint edge.
  const float card = RoundedBox(x, y, 78, 118, 238, 162, 12);
  if (card < 0) c = Mix(c, Rgb(255, 252, 244), 0.72f);
  if (std::fabs(card + 0.75f) < 0.75f) c = Mix(c, Rgb(214, 170, 110), 0.6f);
  return c;
}

// ---- The shaped sample: an alarm clock standing on two feet, on magenta, the colour of pixel (0, 0).

constexpr int kShapeSize = 240;
const Colour kKey = Rgb(255, 0, 255);

// Fills `colour` and returns true where the clock is.
bool ClockColour(float x, float y, Colour& colour) {
  const float cx = 120, cy = 130;
  const Colour navy = Rgb(36, 58, 118), gold = Rgb(234, 178, 58), cream = Rgb(252, 248, 236);
  const float d = std::hypot(x - cx, y - cy);
  if (d < 76) {
    colour = Mix(cream, Rgb(236, 228, 210), (d - 40) / 36);  // the face, shaded a little at its edge
    for (int i = 0; i < 12; ++i) {
      const float a = i * kPi / 6;
      const float inner = i % 3 == 0 ? 56 : 62, width = i % 3 == 0 ? 3.0f : 1.6f;
      const float ex = cx + std::sin(a) * 70, ey = cy - std::cos(a) * 70;
      if (Capsule(x, y, cx + std::sin(a) * inner, cy - std::cos(a) * inner, ex, ey, width) < 0) colour = navy;
    }
    // Ten past ten.
    const float hour = (10 + 10 / 60.0f) * kPi / 6, minute = 10 * kPi / 30;
    if (Capsule(x, y, cx, cy, cx + std::sin(hour) * 36, cy - std::cos(hour) * 36, 4.2f) < 0) colour = navy;
    if (Capsule(x, y, cx, cy, cx + std::sin(minute) * 56, cy - std::cos(minute) * 56, 2.8f) < 0)
      colour = navy;
    if (Capsule(x, y, cx - 12, cy + 18, cx + 22, cy - 33, 1.0f) < 0) colour = Rgb(214, 54, 48);
    if (d < 6) colour = Rgb(214, 54, 48);
    return true;
  }
  if (d < 88) {
    colour = Mix(Rgb(64, 92, 160), navy, (y - cy + 88) / 176);  // the case, lighter on top
    return true;
  }
  // Bells, the hammer between them and the feet.
  for (float side : {-1.0f, 1.0f}) {
    const float bx = cx + side * 66, by = 52;
    if (Circle(x, y, bx, by, 30) < 0 && (x - bx) * side * 0.55f + (y - by) * -0.85f > -12) {
      colour = Mix(Rgb(250, 214, 110), gold, (y - 22) / 40);
      return true;
    }
    if (Capsule(x, y, cx + side * 58, 206, cx + side * 78, 230, 7) < 0) {
      colour = navy;
      return true;
    }
  }
  if (Capsule(x, y, cx, 44, cx, 30, 4) < 0 || Circle(x, y, cx, 26, 8) < 0) {
    colour = Rgb(120, 84, 40);
    return true;
  }
  return false;
}

using Sampler = std::function<void(float, float, Colour&, int&)>;

// Renders 24-bit rows from the top, blue, green, red. `sample` adds a sample's colour to the sum and
// counts it when the point is covered. A pixel covered by fewer than half its samples gets `background`
// unblended: the shaped sample must keep its key colour pure, or its outline would show a pink fringe.
std::vector<std::uint8_t> Render(int width, int height, const Sampler& sample, Colour background) {
  constexpr int kSub = 4;
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Colour sum;
      int covered = 0;
      for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
          sample(x + (sx + 0.5f) / kSub, y + (sy + 0.5f) / kSub, sum, covered);
        }
      }
      Colour c = background;
      if (covered * 2 >= kSub * kSub) c = {sum.r / covered, sum.g / covered, sum.b / covered};
      std::uint8_t* p = &out[(static_cast<std::size_t>(y) * width + x) * 3];
      p[0] = static_cast<std::uint8_t>(std::lround(std::clamp(c.b, 0.0f, 255.0f)));
      p[1] = static_cast<std::uint8_t>(std::lround(std::clamp(c.g, 0.0f, 255.0f)));
      p[2] = static_cast<std::uint8_t>(std::lround(std::clamp(c.r, 0.0f, 255.0f)));
    }
  }
  return out;
}

bool WriteJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& bgr) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);  // a tool: libjpeg may end it on an error
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 92, TRUE);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;  // crisp colour edges
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&bgr[static_cast<std::size_t>(cinfo.next_scanline) * width * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

void Put(std::vector<std::uint8_t>& b, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A plain 24-bit bitmap file, rows stored bottom-up as most programs expect.
bool WriteBmp(const std::string& path, int width, int height, const std::vector<std::uint8_t>& bgr) {
  const std::uint32_t stride = (width * 3 + 3) / 4 * 4, pixelBytes = stride * height;
  std::vector<std::uint8_t> b = {'B', 'M'};
  Put(b, 14 + 40 + pixelBytes, 4), Put(b, 0, 4), Put(b, 14 + 40, 4);
  Put(b, 40, 4), Put(b, width, 4), Put(b, height, 4), Put(b, 1, 2), Put(b, 24, 2), Put(b, 0, 4);
  Put(b, pixelBytes, 4), Put(b, 2835, 4), Put(b, 2835, 4), Put(b, 0, 4), Put(b, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = &bgr[static_cast<std::size_t>(y) * width * 3];
    b.insert(b.end(), row, row + width * 3);
    b.resize(b.size() + stride - width * 3, 0);
  }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "image";
  const std::string jpegPath = folder + "/p-goods1.jpg", bmpPath = folder + "/sample-shape.bmp";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);  // a failure shows when the files are written

  const auto picture = Render(kPictureWidth, kPictureHeight,
                              [](float x, float y, Colour& sum, int& covered) {
                                const Colour c = PictureColour(x, y);
                                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                                ++covered;
                              },
                              {});
  if (!WriteJpeg(jpegPath, kPictureWidth, kPictureHeight, picture)) {
    std::fprintf(stderr, "make_artwork: cannot write %s\n", jpegPath.c_str());
    return 1;
  }

  const auto clock = Render(
      kShapeSize, kShapeSize,
      [](float x, float y, Colour& sum, int& covered) {
        Colour c;
        if (ClockColour(x, y, c)) sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b}, ++covered;
      },
      kKey);
  if (!WriteBmp(bmpPath, kShapeSize, kShapeSize, clock)) {
    std::fprintf(stderr, "make_artwork: cannot write %s\n", bmpPath.c_str());
    return 1;
  }

  // Read both back through the program's own readers, so a broken file is noticed here.
  orvane::gfx::JpegPicture jpeg;
  orvane::gfx::Bitmap shape;
  std::string error;
  if (!orvane::gfx::LoadJpegFile(jpegPath, jpeg, &error) ||
      !orvane::gfx::LoadBmpFile(bmpPath, shape, &error)) {
    std::fprintf(stderr, "make_artwork: the written files do not read back: %s\n", error.c_str());
    return 1;
  }
  const auto region = orvane::gfx::CreateRegionFromBitmap(shape);
  std::printf("%s: %d x %d, %zu bytes\n", jpegPath.c_str(), jpeg.width, jpeg.height, jpeg.data.size());
  std::printf("%s: %d x %d, window shape of %zu rectangles\n", bmpPath.c_str(), shape.width, shape.height,
              region.size());
  return 0;
}
