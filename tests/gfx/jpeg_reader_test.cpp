#include "gfx/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tests/gfx/temp_file.h"

namespace orvane::gfx {
namespace {

constexpr int kSize = 16;

struct Rgb {
  int r, g, b;
};
// Left half and right half of every test picture: 8 x 8 blocks of one colour each, so the decoded pixels
// come back close to what went in.
constexpr Rgb kLeft = {200, 30, 40};
constexpr Rgb kRight = {20, 60, 210};

enum class Kind { kRgb, kGray, kProgressive, kCmykAdobe, kYcck, kCmykPlain };

// Encodes a 16 x 16 picture of the two halves in the given kind of JPEG.
std::vector<std::uint8_t> Encode(Kind kind) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);

  const bool gray = kind == Kind::kGray;
  const bool cmyk = kind == Kind::kCmykAdobe || kind == Kind::kYcck || kind == Kind::kCmykPlain;
  cinfo.image_width = cinfo.image_height = kSize;
  cinfo.input_components = gray ? 1 : cmyk ? 4 : 3;
  cinfo.in_color_space = gray ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (kind == Kind::kYcck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
  if (kind == Kind::kCmykPlain) cinfo.write_Adobe_marker = FALSE;
  if (kind == Kind::kProgressive) jpeg_simple_progression(&cinfo);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;  // no colour bleeding
  }
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);

  std::vector<JSAMPLE> row(kSize * cinfo.input_components);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const Rgb c = x < kSize / 2 ? kLeft : kRight;
      JSAMPLE* p = &row[x * cinfo.input_components];
      if (gray) {
        p[0] = static_cast<JSAMPLE>(c.g);
      } else if (kind == Kind::kCmykPlain) {
        // ink amounts: no black, cyan the complement of red, and so on
        p[0] = static_cast<JSAMPLE>(255 - c.r), p[1] = static_cast<JSAMPLE>(255 - c.g);
        p[2] = static_cast<JSAMPLE>(255 - c.b), p[3] = 0;
      } else if (cmyk) {
        // Adobe's inverted values: 255 means no ink
        p[0] = static_cast<JSAMPLE>(c.r), p[1] = static_cast<JSAMPLE>(c.g), p[2] = static_cast<JSAMPLE>(c.b);
        p[3] = 255;
      } else {
        p[0] = static_cast<JSAMPLE>(c.r), p[1] = static_cast<JSAMPLE>(c.g), p[2] = static_cast<JSAMPLE>(c.b);
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

// Every kind decodes to 24-bit blue, green, red at full size with the colours that went in (grey ones
// in all three channels), and the header alone already tells the size.
TEST(DecodeJpeg, ReadsEveryKindOfPicture) {
  const std::pair<Kind, const char*> kinds[] = {
      {Kind::kRgb, "RGB"},
      {Kind::kGray, "grayscale"},
      {Kind::kProgressive, "progressive"},
      {Kind::kCmykAdobe, "CMYK, Adobe"},
      {Kind::kYcck, "YCCK"},
      {Kind::kCmykPlain, "CMYK, plain"},
  };
  for (auto [kind, name] : kinds) {
    SCOPED_TRACE(name);
    const std::vector<std::uint8_t> data = Encode(kind);
    int width = 0, height = 0;
    ASSERT_TRUE(ReadJpegSize(data, width, height));
    EXPECT_EQ(width, kSize);
    EXPECT_EQ(height, kSize);

    Bitmap bitmap;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(data, bitmap, &error)) << error;
    ASSERT_EQ(bitmap.bitsPerPixel, 24);
    ASSERT_EQ(bitmap.width, kSize);
    ASSERT_EQ(bitmap.height, kSize);
    ASSERT_TRUE(bitmap.HasValidLayout());
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const Rgb c = x < kSize / 2 ? kLeft : kRight;
        const Rgb want = kind == Kind::kGray ? Rgb{c.g, c.g, c.g} : c;
        const std::uint8_t* p = bitmap.Row(y) + x * 3;
        ASSERT_NEAR(p[0], want.b, 6) << x << "," << y;
        ASSERT_NEAR(p[1], want.g, 6) << x << "," << y;
        ASSERT_NEAR(p[2], want.r, 6) << x << "," << y;
      }
    }
  }
}

// Patches the frame header's height and width (big-endian, after the SOF marker, its length and the
// sample precision).
std::vector<std::uint8_t> WithSize(std::vector<std::uint8_t> data, int width, int height) {
  for (std::size_t i = 0; i + 8 < data.size(); ++i) {
    if (data[i] == 0xFF && (data[i + 1] == 0xC0 || data[i + 1] == 0xC2)) {
      data[i + 5] = static_cast<std::uint8_t>(height >> 8), data[i + 6] = static_cast<std::uint8_t>(height);
      data[i + 7] = static_cast<std::uint8_t>(width >> 8), data[i + 8] = static_cast<std::uint8_t>(width);
      return data;
    }
  }
  ADD_FAILURE() << "no frame header";
  return data;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> data, std::size_t keep) {
  data.resize(keep);
  return data;
}

// Halfway between the first scan header and the end: inside the compressed pixels.
std::size_t MidPixels(const std::vector<std::uint8_t>& data) {
  for (std::size_t i = 0; i + 1 < data.size(); ++i) {
    if (data[i] == 0xFF && data[i + 1] == 0xDA) return (i + data.size()) / 2;
  }
  ADD_FAILURE() << "no scan header";
  return 0;
}

struct BrokenCase {
  const char* name;
  std::vector<std::uint8_t> data;
  bool headerReads;  // a file cut inside its pixels still has a good header
  const char* reason;
};

// Broken data is a failure, never an exit() from inside libjpeg and never grey made-up pixels; a picture
// over 100 megapixels is refused from its header, before anything is allocated for it.
TEST(DecodeJpeg, FailsOnBrokenData) {
  const std::vector<std::uint8_t> rgb = Encode(Kind::kRgb);
  const std::vector<std::uint8_t> progressive = Encode(Kind::kProgressive);
  std::mt19937 random(3);
  std::vector<std::uint8_t> garbage(2000);
  for (auto& byte : garbage) byte = static_cast<std::uint8_t>(random());

  const BrokenCase cases[] = {
      {"empty", {}, false, "Empty"},
      {"garbage", garbage, false, "Not a JPEG"},
      {"cut inside the header", Cut(rgb, 40), false, "Premature end"},
      {"cut inside the pixels", Cut(rgb, MidPixels(rgb)), true, "Premature end"},
      {"progressive, cut between scans", Cut(progressive, progressive.size() * 2 / 3), true, "Premature end"},
      {"end marker missing", Cut(rgb, rgb.size() - 2), true, "Premature end"},
      {"just over 100 megapixels", WithSize(rgb, 10001, 10000), false, "too large"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    int width = 0, height = 0;
    std::string error;
    EXPECT_EQ(ReadJpegSize(c.data, width, height, &error), c.headerReads) << error;
    Bitmap bitmap = Bitmap::Make(2, 2, 24);
    EXPECT_FALSE(DecodeJpeg(c.data, bitmap, &error));
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_TRUE(bitmap.pixels.empty());
  }
}

// Loading reads the file whole and its header only; the pixels come later from the same bytes.
TEST(LoadJpegFile, ReadsFileAndHeaderThenDecodesLater) {
  const std::vector<std::uint8_t> data = Encode(Kind::kRgb);
  const TempFile good(data);
  JpegPicture picture;
  std::string error;
  ASSERT_TRUE(LoadJpegFile(good.path(), picture, &error)) << error;
  EXPECT_EQ(picture.width, kSize);
  EXPECT_EQ(picture.height, kSize);
  EXPECT_EQ(picture.data, data);
  Bitmap bitmap;
  EXPECT_TRUE(DecodeJpeg(picture.data, bitmap));
  EXPECT_EQ(bitmap.width, kSize);

  const TempFile broken(Cut(data, 100));
  EXPECT_FALSE(LoadJpegFile(broken.path(), picture, &error));
  EXPECT_TRUE(picture.Empty());
  EXPECT_TRUE(picture.data.empty());
  EXPECT_FALSE(LoadJpegFile(testing::TempDir() + "orvane_no_such_file.jpg", picture, &error));
}

}  // namespace
}  // namespace orvane::gfx
