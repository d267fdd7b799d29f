// The four ways an option's value text becomes a setting's value.
#pragma once

#include <cstdint>
#include <string>

namespace vecrast {

// Integer: blanks and tabs skipped, an optional sign, then "$" and hexadecimal digits, "%"
// and binary digits, or decimal digits, up to the first other character. No digits give 0.
// A number beyond 64 bits saturates; storing it saturates it further at the setting's limits
// (SaturatedForSetting), so that 4294967391 is out of range instead of wrapping to 95.
int64_t IntegerValue(const std::string& text);

// Real: a decimal number with "." as the decimal point, or "+Infinity", "-Infinity", "NaN"
// in any letter case; held as a 32-bit float. Anything unreadable gives 0.
float RealValue(const std::string& text);

// Keyword: the trimmed text looked up in the keyword table of `kind`; unknown words give 0.
int32_t KeywordValue(int kind, const std::string& text);

// Text: unchanged except that leading and trailing double quotes are removed.
std::string TextValue(const std::string& text);

}  // namespace vecrast
