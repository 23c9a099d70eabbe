#include "gfx/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h expects FILE and size_t to be declared
#include <cstring>
#include <fstream>

#include <jerror.h>
#include <jpeglib.h>

#if !defined(JCS_EXTENSIONS)
#error "libjpeg-turbo's colour space extensions (JCS_EXT_BGR) are needed"
#endif

namespace orvane::gfx {
namespace {

// A hostile progressive file can hold thousands of tiny scans that each cost a pass over the picture;
// real pictures have about ten.
constexpr int kMaxScans = 1000;
// The decoder's own working memory (a progressive picture keeps all its coefficients): enough for a
// picture of kMaxPixels, bounded all the same.
constexpr long kMaxDecoderMemory = 1L << 30;

// libjpeg reports fatal errors through error_exit, which must not return; the default one calls exit().
// Ours jumps back into the function that started the work, which then cleans up and fails.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

// Damaged data is only a warning to libjpeg, which then goes on with made-up pixels (grey where the file
// ended). A picture that has lost pixels is a failed load here; harmless oddities (extra bytes between
// markers, an unknown JFIF version) are let through. Trace messages are dropped, as is all printing.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
      OnError(cinfo);
    default:
      ++cinfo->err->num_warnings;
  }
}

void OnProgress(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(manager->message, sizeof manager->message, "more than %d scans", kMaxScans);
    std::longjmp(manager->jump, 1);
  }
}

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

// CMYK from a JPEG to blue, green, red. Adobe's programs store the four values inverted (255 = no ink) and
// mark the file with their APP14 segment; other writers store plain ink amounts.
void CmykRowToBgr(const JSAMPLE* in, std::uint8_t* out, int width, bool inverted) {
  for (int x = 0; x < width; ++x, in += 4, out += 3) {
    const int c = inverted ? in[0] : 255 - in[0];
    const int m = inverted ? in[1] : 255 - in[1];
    const int y = inverted ? in[2] : 255 - in[2];
    const int k = inverted ? in[3] : 255 - in[3];
    out[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    out[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    out[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
  }
}

// The one place that runs libjpeg: reads the header, and with `out` also the pixels. Everything that
// must survive a jump out of libjpeg lives outside this frame (in `out`) or in libjpeg's own pools,
// which jpeg_destroy_decompress frees.
bool Decompress(std::span<const std::uint8_t> data, int& width, int& height, Bitmap* out,
                std::string* error) {
  if (out) *out = Bitmap{};
  if (data.size() > kMaxJpegFileBytes) return Fail(error, "the file is too large");

  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  ErrorManager manager;
  cinfo.err = jpeg_std_error(&manager.pub);
  manager.pub.error_exit = OnError;
  manager.pub.emit_message = OnMessage;
  manager.message[0] = '\0';
  jpeg_progress_mgr progress{};
  progress.progress_monitor = OnProgress;

  if (setjmp(manager.jump)) {
    jpeg_destroy_decompress(&cinfo);
    if (out) *out = Bitmap{};
    return Fail(error, manager.message);
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (static_cast<std::int64_t>(cinfo.image_width) * cinfo.image_height > kMaxPixels) {
    jpeg_destroy_decompress(&cinfo);
    return Fail(error, "the picture is too large");
  }
  width = static_cast<int>(cinfo.image_width);
  height = static_cast<int>(cinfo.image_height);
  if (!out) {
    jpeg_destroy_decompress(&cinfo);
    return true;
  }

  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;  // YCCK comes out as CMYK
  jpeg_start_decompress(&cinfo);
  *out = Bitmap::Make(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), 24);
  JSAMPARRAY cmykRow = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                         cinfo.output_width * 4, 1)
                            : nullptr;
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint8_t* row = out->Row(static_cast<int>(cinfo.output_scanline));
    if (cmyk) {
      jpeg_read_scanlines(&cinfo, cmykRow, 1);
      CmykRowToBgr(cmykRow[0], row, out->width, cinfo.saw_Adobe_marker);
    } else {
      JSAMPROW target = row;
      jpeg_read_scanlines(&cinfo, &target, 1);
    }
  }
  // Reads on to the end marker, so a file cut short after its last row is caught too.
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

bool ReadJpegSize(std::span<const std::uint8_t> data, int& width, int& height, std::string* error) {
  return Decompress(data, width, height, nullptr, error);
}

bool DecodeJpeg(std::span<const std::uint8_t> data, Bitmap& out, std::string* error) {
  int width = 0, height = 0;
  return Decompress(data, width, height, &out, error);
}

bool LoadJpegFile(const std::string& path, JpegPicture& out, std::string* error) {
  out = JpegPicture{};
  std::ifstream file(path, std::ios::binary);
  if (!file) return Fail(error, "cannot open the file");
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  if (size < 0 || !file) return Fail(error, "cannot read the file");
  if (static_cast<std::uint64_t>(size) > kMaxJpegFileBytes) return Fail(error, "the file is too large");

  JpegPicture picture;
  picture.data.resize(static_cast<std::size_t>(size));
  if (!file.read(reinterpret_cast<char*>(picture.data.data()), size)) {
    return Fail(error, "cannot read the file");
  }
  if (!ReadJpegSize(picture.data, picture.width, picture.height, error)) return false;
  out = std::move(picture);
  return true;
}

}  // namespace orvane::gfx
