// Texts are UTF-8 inside the program; these helpers meet files written on Windows and byte limits.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

bool IsValidUtf8(std::string_view text);

// Code page 932 (Shift_JIS as Windows writes it) to UTF-8; nullopt if `text` is not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view text);

// The longest prefix of `text` that has at most `maxBytes` bytes and does not end inside a
// UTF-8 sequence.
std::string_view TruncateUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace orvane
