#include "engine/text_case.h"

#include <locale.h>
#include <wctype.h>

#include "base/ascii_case.h"
#include "base/utf8.h"

namespace vecrast {

namespace {

// The C.UTF-8 locale carries the Unicode case tables; it is created once and kept.
locale_t Utf8Locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
  return locale;
}

enum class Case { kLower, kUpper };

char32_t MapCase(char32_t code, Case to) {
  if (code < 0x80) {
    const char ascii = static_cast<char>(code);
    return static_cast<char32_t>(to == Case::kUpper ? base::AsciiUpper(ascii) : base::AsciiLower(ascii));
  }
  const locale_t locale = Utf8Locale();
  if (locale == locale_t(nullptr)) return code;
  const auto wide = static_cast<wint_t>(code);
  const wint_t mapped = to == Case::kUpper ? towupper_l(wide, locale) : towlower_l(wide, locale);
  return static_cast<char32_t>(mapped);
}

// Maps the characters from the `split`-th on to `rest`, those before it to `first`.
std::string MapText(std::string_view text, Case first, Case rest, size_t split) {
  std::string out;
  out.reserve(text.size());
  size_t characters = 0;
  for (size_t i = 0; i < text.size();) {
    char32_t code = 0;
    size_t length = 1;
    if (!base::DecodeUtf8(text, i, code, length)) {
      out += text[i++];
    } else {
      base::AppendUtf8(out, MapCase(code, characters < split ? first : rest));
      i += length;
    }
    ++characters;
  }
  return out;
}

}  // namespace

std::string LowerCase(std::string_view text) { return MapText(text, Case::kLower, Case::kLower, 0); }
std::string UpperCase(std::string_view text) { return MapText(text, Case::kUpper, Case::kUpper, 0); }
std::string TitleCase(std::string_view text) { return MapText(text, Case::kUpper, Case::kLower, 1); }

}  // namespace vecrast
