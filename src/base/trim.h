// Trimming the blanks around a value.
#pragma once

#include <string_view>

namespace base {

// The text without the leading and trailing characters found in `blanks` (blanks and tabs
// unless told otherwise).
constexpr std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t") {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace base
