// UTF-8: strict decoding and validation (no overlong forms, no surrogates, nothing above
// U+10FFFF), encoding, and the conversions of text that arrives in another form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the sequence that starts at text[at]: its code point and byte length. False for a
// malformed or cut-off sequence.
bool DecodeUtf8(std::string_view text, std::size_t at, char32_t& code, std::size_t& length);

// Appends the UTF-8 form of `code`; a surrogate or a value above U+10FFFF is appended as
// U+FFFD.
void AppendUtf8(std::string& out, char32_t code);

bool IsValidUtf8(std::string_view text);

// The text with every byte that does not begin a well-formed sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// ISO 8859-1 text in UTF-8: each byte is its own code point.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace base
