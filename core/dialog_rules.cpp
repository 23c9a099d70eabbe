#include "core/dialog_rules.h"

#include <climits>

#include "core/ini_file.h"

namespace orvane {

char32_t FilterKey(char32_t& key, std::string_view allowed, bool controlKeys) {
  const bool control = key <= 31 || key == 127;
  const bool listed = key <= 127 && allowed.find(static_cast<char>(key)) != std::string_view::npos;
  if (!((controlKeys && control) || listed)) key = 0;
  return key;
}

std::int32_t AtolText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<std::int64_t>(INT32_MAX) + 1) break;  // saturate below
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

std::string NormaliseDecimalText(std::string_view text) {
  return std::to_string(AtolText(text));
}

std::string NormaliseIntervalHourText(std::string_view text) {
  // The same strict conversion as the settings file's integers: the whole text must be a number.
  std::int32_t value = ParseIniInteger(text).value_or(0);
  if (value > kMaxIntervalHours) value = kMaxIntervalHours;
  if (value < 0) value = 0;
  return std::to_string(value);
}

PathParts SplitPicturePath(std::string_view path) {
  const auto slash = path.rfind('/');
  if (slash == std::string_view::npos) return {std::string(), std::string(path)};
  return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

bool IsJpegPath(std::string_view path) {
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos) return true;
  if (path.find('/', dot) != std::string_view::npos) return true;  // the dot belongs to a folder
  return path.substr(dot) != ".bmp";
}

}  // namespace orvane
