#include "settings/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vecrast {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char LowerAsciiChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      const unsigned char min = (k == 1) ? low : 0x80;
      const unsigned char max = (k == 1) ? high : 0xBF;
      if (next < min || next > max) return false;
    }
    i += length;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      result += c;
    } else {
      result += static_cast<char>(0xC0 | (byte >> 6));
      result += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return result;
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c != '\r' && c != '\n') result += c;
  }
  return result;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string LowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerAsciiChar(c);
  return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAsciiChar(a[i]) != LowerAsciiChar(b[i])) return false;
  }
  return true;
}

int64_t ParseIniInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that the lowest int64_t is reachable.
  constexpr int64_t kLowest = std::numeric_limits<int64_t>::min();
  int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    if (value < (kLowest + digit) / 10) {
      value = kLowest;
    } else {
      value = value * 10 - digit;
    }
  }
  if (negative) return value;
  return value == kLowest ? std::numeric_limits<int64_t>::max() : -value;
}

double ParseIniReal(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (EqualsIgnoringCase(trimmed, "+Infinity")) return std::numeric_limits<double>::infinity();
  if (EqualsIgnoringCase(trimmed, "-Infinity")) return -std::numeric_limits<double>::infinity();
  if (EqualsIgnoringCase(trimmed, "NaN")) return std::numeric_limits<double>::quiet_NaN();

  std::size_t i = 0;
  bool negative = false;
  if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
    negative = trimmed[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  std::size_t digits = 0;
  for (; i < trimmed.size() && IsDigit(trimmed[i]); ++i) ++digits;
  if (i < trimmed.size() && trimmed[i] == '.') {
    for (++i; i < trimmed.size() && IsDigit(trimmed[i]); ++i) ++digits;
  }
  if (digits == 0) return 0.0;
  bool negativeExponent = false;
  if (i < trimmed.size() && (trimmed[i] == 'e' || trimmed[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < trimmed.size() && (trimmed[k] == '+' || trimmed[k] == '-')) {
      negativeExponent = trimmed[k] == '-';
      ++k;
    }
    if (k < trimmed.size() && IsDigit(trimmed[k])) {
      for (i = k; i < trimmed.size() && IsDigit(trimmed[i]); ++i) {
      }
    }
  }
  const std::string number(trimmed.substr(start, i - start));
  double magnitude = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
  }
  // The setting is a 32-bit float: keep exactly the value such a float holds.
  float single = std::numeric_limits<float>::infinity();
  if (magnitude <= static_cast<double>(std::numeric_limits<float>::max())) {
    single = static_cast<float>(magnitude);
  }
  const double value = static_cast<double>(single);
  return negative ? -value : value;
}

std::string FormatIniReal(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  return std::string(buffer, result.ptr);
}

// ---- Reading ----

bool IniFile::Open(const std::string& path) {
  Parse({});
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  struct stat status {};
  if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > kMaxIniFileSize) {
    std::fclose(file);
    return false;
  }
  std::string bytes;
  char buffer[65536];
  bool ok = true;
  for (;;) {
    const std::size_t count = std::fread(buffer, 1, sizeof buffer, file);
    if (count == 0) {
      ok = std::ferror(file) == 0;
      break;
    }
    if (bytes.size() + count > kMaxIniFileSize) {
      ok = false;
      break;
    }
    bytes.append(buffer, count);
  }
  std::fclose(file);
  if (!ok) return false;
  Parse(bytes);
  return true;
}

void IniFile::Parse(std::string_view bytes) {
  groups_.clear();
  firstGroupByName_.clear();
  selected_ = kNoGroup;

  std::string converted;
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  } else if (!IsValidUtf8(bytes)) {
    converted = Latin1ToUtf8(bytes);
    bytes = converted;
  }

  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    AddLine(bytes.substr(start, end - start));
    start = end + 1;  // a CR LF pair leaves an empty line, which is ignored
  }
}

void IniFile::AddLine(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  if (line.empty() || line.front() == ';') return;

  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    const std::string_view name =
        line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    groups_.push_back(Group{std::string(name), {}, {}});
    firstGroupByName_.emplace(LowerAscii(name), groups_.size() - 1);
    return;
  }

  if (groups_.empty()) return;
  // A line without "=" is a key with an empty value: a flag option written alone in a profile.
  const std::size_t equals = line.find('=');
  std::string_view key = line.substr(0, equals);
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
  while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
  Group& group = groups_.back();
  group.entries.push_back(Entry{std::string(key), std::string(value)});
  group.firstIndexByKey.emplace(LowerAscii(key), group.entries.size() - 1);
}

bool IniFile::SelectGroup(std::string_view group) {
  const auto found = firstGroupByName_.find(LowerAscii(group));
  selected_ = found == firstGroupByName_.end() ? kNoGroup : found->second;
  return selected_ != kNoGroup;
}

std::optional<std::string_view> IniFile::FindValue(std::string_view key) const {
  if (selected_ == kNoGroup) return std::nullopt;
  const Group& group = groups_[selected_];
  const auto found = group.firstIndexByKey.find(LowerAscii(key));
  if (found == group.firstIndexByKey.end()) return std::nullopt;
  return std::string_view(group.entries[found->second].value);
}

std::string IniFile::ReadText(std::string_view key, std::string_view fallback) const {
  const auto value = FindValue(key);
  return std::string(value ? TrimBlanks(*value) : fallback);
}

int64_t IniFile::ReadInteger(std::string_view key, int64_t fallback) const {
  const auto value = FindValue(key);
  return value ? ParseIniInteger(*value) : fallback;
}

double IniFile::ReadReal(std::string_view key, double fallback) const {
  const auto value = FindValue(key);
  return value ? ParseIniReal(*value) : fallback;
}

std::vector<IniEntry> IniFile::Entries() const {
  std::vector<IniEntry> result;
  if (selected_ == kNoGroup) return result;
  for (const Entry& entry : groups_[selected_].entries) {
    result.push_back(IniEntry{entry.key, std::string(TrimBlanks(entry.value))});
  }
  return result;
}

// ---- Writing ----

IniWriter::IniWriter() {
  bytes_ = kByteOrderMark;
  bytes_ += kLineEnd;
}

void IniWriter::WriteLine(std::string_view line) {
  bytes_ += line;
  bytes_ += kLineEnd;
}

void IniWriter::SelectGroup(std::string_view group) {
  for (const std::string& seen : groupsSeen_) {
    if (seen == group) return;
  }
  groupsSeen_.emplace_back(group);
  WriteLine("[" + WithoutLineBreaks(group) + "]");
}

void IniWriter::WriteText(std::string_view key, std::string_view value) {
  WriteLine(WithoutLineBreaks(key) + " = " + WithoutLineBreaks(value));
}

void IniWriter::WriteInteger(std::string_view key, int64_t value) {
  WriteText(key, std::to_string(value));
}

void IniWriter::WriteReal(std::string_view key, double value) {
  WriteText(key, FormatIniReal(value));
}

void IniWriter::WriteComment(std::string_view text) { WriteLine("; " + WithoutLineBreaks(text)); }

bool IniWriter::Save(const std::string& path) const {
  if (path.empty()) return false;
  // Same folder as the target, so that the rename cannot cross file systems.
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes_) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace vecrast
