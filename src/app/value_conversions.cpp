#include "app/value_conversions.h"

#include <cctype>
#include <charconv>
#include <limits>

#include "app/arguments.h"
#include "base/ascii_case.h"
#include "engine/keywords.h"

namespace vecrast {

namespace {

// [+-] digits [. digits] [e [+-] digits], at least one mantissa digit, nothing else.
bool IsDecimalNumber(const std::string& text) {
  size_t at = 0;
  auto digits = [&] {
    size_t start = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
    return at - start;
  };
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  size_t mantissa = digits();
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (digits() == 0) return false;
  }
  return at == text.size();
}

// The value of `digit` in `radix`, or -1 when it is no digit of that radix.
int DigitIn(char digit, int radix) {
  const int value = base::HexDigitValue(digit);
  return value < radix ? value : -1;
}

}  // namespace

int64_t IntegerValue(const std::string& text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return 0;
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
  int radix = 10;
  if (at < text.size() && text[at] == '$') {
    radix = 16, ++at;
  } else if (at < text.size() && text[at] == '%') {
    radix = 2, ++at;
  }
  // Saturates: the magnitude stops growing past the largest value either sign can hold.
  constexpr uint64_t kCeiling = uint64_t{1} << 63;
  uint64_t magnitude = 0;
  for (int digit; at < text.size() && (digit = DigitIn(text[at], radix)) >= 0; ++at) {
    if (magnitude > (kCeiling - static_cast<uint64_t>(digit)) / static_cast<uint64_t>(radix)) {
      magnitude = kCeiling;
    } else {
      magnitude = magnitude * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
    }
  }
  if (negative) return magnitude >= kCeiling ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
  return magnitude >= kCeiling ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
}

float RealValue(const std::string& text) {
  const std::string trimmed = StripBlanks(text);
  if (base::EqualsIgnoringAsciiCase(trimmed, "+Infinity")) return std::numeric_limits<float>::infinity();
  if (base::EqualsIgnoringAsciiCase(trimmed, "-Infinity")) return -std::numeric_limits<float>::infinity();
  if (base::EqualsIgnoringAsciiCase(trimmed, "NaN")) return std::numeric_limits<float>::quiet_NaN();
  if (!IsDecimalNumber(trimmed)) return 0.0f;
  // from_chars takes no leading "+" and is independent of the process locale.
  const char* first = trimmed.data() + (trimmed[0] == '+' ? 1 : 0);
  double value = 0.0;
  const std::errc error = std::from_chars(first, trimmed.data() + trimmed.size(), value).ec;
  const bool tiny = trimmed.find("e-") != std::string::npos || trimmed.find("E-") != std::string::npos;
  if (error == std::errc::result_out_of_range && tiny) return 0.0f;
  if (error != std::errc() && error != std::errc::result_out_of_range) return 0.0f;
  const float largest = std::numeric_limits<float>::max();
  if (error == std::errc::result_out_of_range || value > largest || value < -largest) {
    return trimmed[0] == '-' ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(value);
}

int32_t KeywordValue(int kind, const std::string& text) { return KeywordToValue(kind, StripBlanks(text)); }

std::string TextValue(const std::string& text) {
  const size_t first = text.find_first_not_of('"');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of('"');
  return text.substr(first, last - first + 1);
}

}  // namespace vecrast
