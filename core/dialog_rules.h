// The settings dialog's rules that need no window: key filter, number clean-up, path split.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Replaces `key` by the null character unless it is one of `allowed`, or a control character
// (0..31, 127) while `controlKeys` is true. Every key above 127 is dropped. Returns the key kept.
char32_t FilterKey(char32_t& key, std::string_view allowed, bool controlKeys);

// The C library's atol over a field's text: leading white space, an optional sign, decimal digits
// up to the first other character; 0 when there are none. Saturates at the 32-bit range.
std::int32_t AtolText(std::string_view text);

// The position fields on leaving them: the atol value written back as plain decimal.
std::string NormaliseDecimalText(std::string_view text);

// Largest number of hours an interval may have.
inline constexpr std::int32_t kMaxIntervalHours = 1193;

// The interval's hour field: empty or not a number -> "0"; above 1193 -> "1193"; a negative
// number (only pasting can bring one) -> "0"; then plain decimal.
std::string NormaliseIntervalHourText(std::string_view text);

struct PathParts {
  std::string folder;  // up to and including the last separator
  std::string file;    // the rest
};
PathParts SplitPicturePath(std::string_view path);

// A picture is read as a bitmap only when its extension is exactly ".bmp" (lower case); any
// other extension, or none, means JPEG.
bool IsJpegPath(std::string_view path);

}  // namespace orvane
