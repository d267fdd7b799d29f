#include "base/utf8.h"

#include <cstdint>

namespace base {

bool DecodeUtf8(std::string_view text, std::size_t at, char32_t& code, std::size_t& length) {
  if (at >= text.size()) return false;
  const auto byte = [&](std::size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) {
    code = lead;
    length = 1;
    return true;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07u;
  } else {
    return false;
  }
  if (text.size() - at < length) return false;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return false;
    code = (code << 6) | (byte(at + k) & 0x3Fu);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return code >= kSmallest[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacementCharacter;
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

bool IsValidUtf8(std::string_view text) {
  char32_t code = 0;
  std::size_t length = 0;
  for (std::size_t at = 0; at < text.size(); at += length) {
    if (!DecodeUtf8(text, at, code, length)) return false;
  }
  return true;
}

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  char32_t code = 0;
  std::size_t length = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (DecodeUtf8(text, at, code, length)) {
      valid.append(text.substr(at, length));
      at += length;
    } else {
      AppendUtf8(valid, kReplacementCharacter);
      ++at;
    }
  }
  return valid;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::size_t high = 0;
  for (const char c : text) high += static_cast<unsigned char>(c) >> 7;
  std::string utf8;
  utf8.reserve(text.size() + high);
  for (const char c : text) AppendUtf8(utf8, static_cast<unsigned char>(c));
  return utf8;
}

}  // namespace base
