#include "core/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/text_encoding.h"

namespace orvane {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The whole file, or nullopt when it exists but cannot be read (no permission, a folder, an I/O
// error, or far too large to be a settings file). A missing file reads as empty.
std::optional<std::string> ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  std::string bytes;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<std::size_t>(st.st_size) <= kMaxIniFileBytes) {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > kMaxIniFileBytes) {
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  const std::string_view digits = text.substr(i);
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (base == 16) {
    // Hexadecimal may use all 32 bits: $80000008 is a negative number.
    if (value > 0xFFFFFFFFull) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  if (negative) {
    if (value > static_cast<std::uint64_t>(INT32_MAX) + 1) return std::nullopt;
    return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  }
  if (value > static_cast<std::uint64_t>(INT32_MAX)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  auto read = ReadWholeFile(path_);
  // A file that is there but cannot be read reads as empty, and is never overwritten by it.
  unreadable_ = !read.has_value();
  std::string bytes = read ? std::move(*read) : std::string();
  if (!IsValidUtf8(bytes)) {
    // A file brought from Windows is in code page 932; anything that is neither is read as it
    // stands, so that its bytes survive a rewrite.
    if (auto converted = Cp932ToUtf8(bytes)) bytes = std::move(*converted);
  }
  LoadFromText(bytes);
}

void TIniFile::LoadFromText(std::string_view text) {
  sections_.clear();
  sectionIndex_.clear();
  Section* current = nullptr;
  while (!text.empty()) {
    const auto nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      // A section named twice is one section: the later lines add to the first.
      current = &SectionForWrite(line.substr(1, line.size() - 2));
      continue;
    }
    if (current == nullptr) continue;  // before the first section
    const auto eq = line.find('=');
    Entry entry;
    if (eq == std::string_view::npos) {
      // Not a key; kept so that a rewrite does not lose the user's text.
      entry.key = std::string(line);
      entry.isKey = false;
    } else {
      entry.key = std::string(line.substr(0, eq));
      entry.value = std::string(line.substr(eq + 1));
      current->index.try_emplace(Lower(entry.key), current->entries.size());
    }
    current->entries.push_back(std::move(entry));
  }
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
  const auto it = sectionIndex_.find(Lower(name));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

TIniFile::Section& TIniFile::SectionForWrite(std::string_view name) {
  const auto [it, added] = sectionIndex_.try_emplace(Lower(name), sections_.size());
  if (added) sections_.push_back(Section{std::string(name), {}, {}});
  return sections_[it->second];
}

const std::string* TIniFile::FindValue(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  const auto it = s->index.find(Lower(key));
  return it == s->index.end() ? nullptr : &s->entries[it->second].value;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindValue(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& def) const {
  const std::string* v = FindValue(section, key);
  return v ? *v : def;
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  const std::string* v = FindValue(section, key);
  if (v == nullptr) return def;
  return ParseIniInteger(*v).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = SectionForWrite(section);
  const auto [it, added] = s.index.try_emplace(Lower(key), s.entries.size());
  if (added) {
    s.entries.push_back(Entry{std::string(key), std::string(value), true});
  } else {
    s.entries[it->second].value = std::string(value);
  }
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

std::string TIniFile::ToText() const {
  std::string out;
  for (const Section& s : sections_) {
    out += '[';
    out += s.name;
    out += "]\n";
    for (const Entry& e : s.entries) {
      out += e.key;
      if (e.isKey) {
        out += '=';
        out += e.value;
      }
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

bool TIniFile::UpdateFile() const {
  if (unreadable_) return false;
  std::string target = path_;
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists) {
    // A file without write permission is write-protected for us, even where the user could
    // replace it (root, or a writable folder): the rename below must not overrule it.
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
    // Write through a link to the file it names, not over the link.
    if (char* real = ::realpath(target.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
  }
  std::string temp = target + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const std::string text = ToText();
  bool ok = WriteAll(fd, text) && ::fchmod(fd, exists ? (st.st_mode & 07777) : 0644) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  // Only a complete, flushed file replaces the old one.
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace orvane
