#include "app/value_conversions.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <strings.h>

#include "app/arguments.h"
#include "engine/keywords.h"

namespace vecrast {

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool SameIgnoringCase(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

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

}  // namespace

int32_t IntegerValue(const std::string& text) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return 0;
  bool negative = false;
  if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
  int base = 10;
  if (at < text.size() && text[at] == '$') base = 16, ++at;
  else if (at < text.size() && text[at] == '%') base = 2, ++at;
  uint32_t value = 0;
  for (; at < text.size() && DigitValue(text[at]) < base; ++at) {
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(text[at]));
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

float RealValue(const std::string& text) {
  const std::string trimmed = StripBlanks(text);
  if (SameIgnoringCase(trimmed, "+Infinity")) return std::numeric_limits<float>::infinity();
  if (SameIgnoringCase(trimmed, "-Infinity")) return -std::numeric_limits<float>::infinity();
  if (SameIgnoringCase(trimmed, "NaN")) return std::numeric_limits<float>::quiet_NaN();
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
