// ASCII letters and digits: keys, option names, keywords and tokens are matched without regard
// to the case of A-Z and a-z; every other byte, UTF-8 included, is compared as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The value of a hexadecimal digit (either case); -1 for any other character.
constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = AsciiLower(c);
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

std::string LowerAscii(std::string_view text);
std::string UpperAscii(std::string_view text);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The first occurrence of `needle` at or after `from`, ignoring ASCII case; npos when none
// (an empty needle is never found).
std::size_t FindIgnoringAsciiCase(std::string_view text, std::string_view needle, std::size_t from = 0);

inline bool ContainsIgnoringAsciiCase(std::string_view text, std::string_view needle) {
  return FindIgnoringAsciiCase(text, needle) != std::string_view::npos;
}

}  // namespace base
