// An INI file held in memory: read whole, changed in place, written back whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// A settings file of 10,000 keys is well under a megabyte; a larger file than this is not one,
// and is treated as unreadable rather than held in memory.
inline constexpr std::size_t kMaxIniFileBytes = 16u << 20;

// Names are matched without regard to ASCII letter case; the first occurrence of a key in a
// section counts; values are kept verbatim. Sections and keys keep the order in which they came
// into being. Comments (";"), empty lines and lines before the first section do not survive a
// rewrite.
class TIniFile {
 public:
  // Loads `path` if it exists (UTF-8 or, for files brought from Windows, code page 932; LF or
  // CR LF); a missing or unreadable file gives an empty object. An unreadable one is never
  // overwritten: UpdateFile fails for it.
  explicit TIniFile(std::string path);

  const std::string& Path() const { return path_; }

  // Parses text already in memory (UTF-8), replacing the content.
  void LoadFromText(std::string_view text);

  std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // The whole file as it is written: per section its header, its keys, one empty line; LF ends.
  std::string ToText() const;

  // Writes the file: to a temporary file beside it, flushed, then renamed over the old one, so
  // a crash or a full disk never leaves a truncated file. Returns false (and leaves the old file
  // untouched) on any failure.
  bool UpdateFile() const;

 private:
  struct Entry {
    std::string key;  // the whole line where isKey is false
    std::string value;
    bool isKey = true;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;  // lower-case key -> its first entry
  };
  const Section* FindSection(std::string_view name) const;
  Section& SectionForWrite(std::string_view name);
  const std::string* FindValue(std::string_view section, std::string_view key) const;

  std::string path_;
  bool unreadable_ = false;  // the file exists but could not be read
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;  // lower-case name -> section
};

// Integer conversion of the settings file: optional leading spaces, a sign, then decimal digits,
// or hexadecimal after "$" or "0x"; the whole text must form a 32-bit number (hexadecimal may
// use all 32 bits). nullopt for anything else.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace orvane
