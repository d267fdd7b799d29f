#include "settings/ini_file.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <new>

#include "base/ascii_case.h"
#include "base/text_lines.h"
#include "base/trim.h"
#include "base/utf8.h"
#include "platform/read_file.h"
#include "platform/replace_file.h"

namespace vecrast {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c != '\r' && c != '\n') result += c;
  }
  return result;
}

std::string_view LineAt(std::string_view text, std::size_t offset) {
  const std::string_view rest = text.substr(offset);
  return rest.substr(0, rest.find_first_of("\r\n"));
}

}  // namespace

int64_t ParseIniInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
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
  const std::string_view trimmed = base::TrimBlanks(text);
  if (base::EqualsIgnoringAsciiCase(trimmed, "+Infinity")) return std::numeric_limits<double>::infinity();
  if (base::EqualsIgnoringAsciiCase(trimmed, "-Infinity")) return -std::numeric_limits<double>::infinity();
  if (base::EqualsIgnoringAsciiCase(trimmed, "NaN")) return std::numeric_limits<double>::quiet_NaN();

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

bool IniFile::Open(const std::string& path, std::string& reason) {
  Parse({});
  std::string bytes;
  if (!ReadWholeFile(path, kMaxIniFileSize, FileKinds::kRegularOrPipe, bytes, reason)) return false;
  try {
    Parse(std::move(bytes));
  } catch (const std::bad_alloc&) {
    Parse({});
    reason = "it does not fit in memory";
    return false;
  }
  return true;
}

bool IniFile::Open(const std::string& path) {
  std::string reason;
  return Open(path, reason);
}

void IniFile::Parse(std::string bytes) {
  groupHeaders_.clear();
  groupHeaders_.shrink_to_fit();
  selected_ = kNoGroup;
  if (std::string_view(bytes).starts_with(kByteOrderMark)) {
    bytes.erase(0, kByteOrderMark.size());
    text_ = std::move(bytes);
  } else if (base::IsValidUtf8(bytes)) {
    text_ = std::move(bytes);
  } else {
    text_ = base::Latin1ToUtf8(bytes);
    std::string().swap(bytes);  // the original bytes are not needed while the index is built
  }
  // Counted first, so that the index takes exactly its size.
  std::size_t headers = 0;
  base::ForEachLine(text_, [&](std::string_view line) {
    headers += line.front() == '[';
    return true;
  });
  groupHeaders_.reserve(headers);
  base::ForEachLine(text_, [&](std::string_view line) {
    if (line.front() == '[') groupHeaders_.push_back(static_cast<uint32_t>(line.data() - text_.data()));
    return true;
  });
}

bool IniFile::SelectGroup(std::string_view group) {
  selected_ = kNoGroup;
  for (std::size_t i = 0; i < groupHeaders_.size(); ++i) {
    if (base::EqualsIgnoringAsciiCase(base::HeaderName(LineAt(text_, groupHeaders_[i])), group)) {
      selected_ = i;
      break;
    }
  }
  return selected_ != kNoGroup;
}

template <typename Visit>
void IniFile::VisitEntries(Visit&& visit) const {
  if (selected_ == kNoGroup) return;
  const std::size_t header = groupHeaders_[selected_];
  const std::size_t begin = header + LineAt(text_, header).size();
  const std::size_t end = selected_ + 1 < groupHeaders_.size() ? groupHeaders_[selected_ + 1] : text_.size();
  base::ForEachLine(std::string_view(text_).substr(begin, end - begin), [&](std::string_view line) {
    if (line.front() == ';') return true;
    const std::size_t equals = line.find('=');
    const std::string_view key = base::TrimBlanks(line.substr(0, equals));
    const std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    return visit(key, value);
  });
}

std::optional<std::string_view> IniFile::FindValue(std::string_view key) const {
  std::optional<std::string_view> found;
  VisitEntries([&](std::string_view entryKey, std::string_view value) {
    if (!base::EqualsIgnoringAsciiCase(entryKey, key)) return true;
    found = value;
    return false;
  });
  return found;
}

std::string IniFile::ReadText(std::string_view key, std::string_view fallback) const {
  const auto value = FindValue(key);
  return std::string(value ? base::TrimBlanks(*value) : fallback);
}

int64_t IniFile::ReadInteger(std::string_view key, int64_t fallback) const {
  const auto value = FindValue(key);
  return value ? ParseIniInteger(*value) : fallback;
}

double IniFile::ReadReal(std::string_view key, double fallback) const {
  const auto value = FindValue(key);
  return value ? ParseIniReal(*value) : fallback;
}

void IniFile::ForEachEntry(const EntryVisitor& visit) const {
  VisitEntries([&](std::string_view key, std::string_view value) {
    visit(key, base::TrimBlanks(value));
    return true;
  });
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

void IniWriter::WriteInteger(std::string_view key, int64_t value) { WriteText(key, std::to_string(value)); }

void IniWriter::WriteReal(std::string_view key, double value) { WriteText(key, FormatIniReal(value)); }

void IniWriter::WriteComment(std::string_view text) { WriteLine("; " + WithoutLineBreaks(text)); }

bool IniWriter::Save(const std::string& path, std::string& reason) const { return ReplaceFile(path, bytes_, reason); }

bool IniWriter::Save(const std::string& path) const {
  std::string reason;
  return Save(path, reason);
}

}  // namespace vecrast
