#include "base/ascii_case.h"

namespace base {

namespace {

std::string Mapped(std::string_view text, char (*map)(char)) {
  std::string mapped(text);
  for (char& c : mapped) c = map(c);
  return mapped;
}

}  // namespace

std::string LowerAscii(std::string_view text) { return Mapped(text, AsciiLower); }
std::string UpperAscii(std::string_view text) { return Mapped(text, AsciiUpper); }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::size_t FindIgnoringAsciiCase(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
  for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
    if (EqualsIgnoringAsciiCase(text.substr(at, needle.size()), needle)) return at;
  }
  return std::string_view::npos;
}

}  // namespace base
