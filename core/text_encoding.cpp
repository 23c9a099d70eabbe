#include "core/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace orvane {

namespace {

// Length of the UTF-8 sequence starting with `lead`, or 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t len = SequenceLength(lead);
    if (len == 0 || i + len > text.size()) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    if (len >= 3) {
      const auto second = static_cast<unsigned char>(text[i + 1]);
      // Overlong forms, surrogates and code points past U+10FFFF.
      if (lead == 0xE0 && second < 0xA0) return false;
      if (lead == 0xED && second > 0x9F) return false;
      if (lead == 0xF0 && second < 0x90) return false;
      if (lead == 0xF4 && second > 0x8F) return false;
    }
    i += len;
  }
  return true;
}

std::optional<std::string> Cp932ToUtf8(std::string_view text) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(text.size() * 3 / 2 + 16);
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  std::size_t done = 0;
  bool ok = true;
  while (inLeft > 0) {
    char* dst = out.data() + done;
    std::size_t outLeft = out.size() - done;
    const std::size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    done = out.size() - outLeft;
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    ok = false;  // EILSEQ or EINVAL: not code page 932
    break;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(done);
  return out;
}

std::string_view TruncateUtf8(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  // Step back over continuation bytes to the start of the cut sequence, then decide whether
  // that sequence still fits whole.
  std::size_t start = end;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  const std::size_t len = SequenceLength(static_cast<unsigned char>(text[start]));
  if (start + (len == 0 ? 1 : len) > end) end = start;
  return text.substr(0, end);
}

}  // namespace orvane
