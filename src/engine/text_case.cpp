#include "engine/text_case.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace vecrast {

namespace {

// The C.UTF-8 locale carries the Unicode case tables; it is created once and kept.
locale_t Utf8Locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
  return locale;
}

// Decodes one UTF-8 sequence at text[i]; on a malformed sequence returns false and the
// byte is kept as it is.
bool DecodeUtf8(std::string_view text, size_t i, char32_t& code, size_t& length) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) {
    code = lead;
    length = 1;
    return true;
  }
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1Fu;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0Fu;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07u;
  else return false;
  if (i + length > text.size()) return false;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return false;
    code = (code << 6) | (byte(i + k) & 0x3Fu);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return code >= smallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

void EncodeUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

enum class Case { kLower, kUpper };

char32_t MapCase(char32_t code, Case to) {
  if (code < 0x80) {
    if (to == Case::kUpper && code >= 'a' && code <= 'z') return code - 'a' + 'A';
    if (to == Case::kLower && code >= 'A' && code <= 'Z') return code - 'A' + 'a';
    return code;
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
    if (!DecodeUtf8(text, i, code, length)) {
      out += text[i++];
    } else {
      EncodeUtf8(MapCase(code, characters < split ? first : rest), out);
      i += length;
    }
    ++characters;
  }
  return out;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string LowerCase(std::string_view text) { return MapText(text, Case::kLower, Case::kLower, 0); }
std::string UpperCase(std::string_view text) { return MapText(text, Case::kUpper, Case::kUpper, 0); }
std::string TitleCase(std::string_view text) { return MapText(text, Case::kUpper, Case::kLower, 1); }

size_t FindIgnoringCase(std::string_view text, std::string_view needle, size_t from) {
  if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
  for (size_t i = from; i + needle.size() <= text.size(); ++i) {
    size_t k = 0;
    while (k < needle.size() && AsciiLower(text[i + k]) == AsciiLower(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

}  // namespace vecrast
