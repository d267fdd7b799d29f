#include "ui/preferences/colour_text.h"

#include <array>
#include <cstdio>

#include "settings/ini_file.h"
#include "base/ascii_case.h"
#include "base/trim.h"
#include "texts/texts.h"

namespace vecrast::prefs {

namespace {

struct NamedColour {
  std::string_view key;  // group "Preferences"
  std::string_view value;
};

constexpr std::array<NamedColour, 19> kNamedColours = {{
    {"Black", "000000"},  {"Silver", "C0C0C0"}, {"Gray", "808080"},   {"White", "FFFFFF"},
    {"Maroon", "800000"}, {"Red", "FF0000"},    {"Purple", "800080"}, {"Fuchsia", "FF00FF"},
    {"Green", "008000"},  {"Lime", "00FF00"},   {"Olive", "808000"},  {"Yellow", "FFFF00"},
    {"Navy", "000080"},   {"Blue", "0000FF"},   {"Teal", "008080"},   {"Aqua", "00FFFF"},
    {"Orange", "FF8000"}, {"Brown", "804000"},  {"Violet", "8000FF"},
}};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char upper = base::AsciiUpper(c);
  if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
  return -1;
}

// A pair read as far as its leading hexadecimal digits go.
unsigned char HexPair(char high, char low) {
  const int first = HexDigit(high);
  if (first < 0) return 0;
  const int second = HexDigit(low);
  return static_cast<unsigned char>(second < 0 ? first : first * 16 + second);
}

}  // namespace

ColourParts ColourPartsOf(std::string_view text) {
  if (text.size() != 6) return {};
  return {HexPair(text[0], text[1]), HexPair(text[2], text[3]), HexPair(text[4], text[5])};
}

std::string ColourText(ColourParts parts) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02X%02X%02X", parts.red, parts.green, parts.blue);
  return digits;
}

std::string ColourFieldValue(std::string_view text) { return ColourText(ColourPartsOf(text)); }

std::string ColourItemLabel(std::string_view entry) {
  const std::string upper = base::UpperAscii(entry);
  for (const NamedColour& colour : kNamedColours) {
    if (colour.value == upper) return GetText("Preferences", colour.key);
  }
  return GetText("Preferences", "Color") + " #" + upper;
}

std::vector<std::string> SplitListSetting(std::string_view list) {
  std::vector<std::string> entries;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view entry = base::TrimBlanks(list.substr(0, comma));
    if (!entry.empty()) entries.emplace_back(entry);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return entries;
}

std::string AppendListEntry(const std::string& list, const std::string& entry) {
  return list.empty() ? entry : list + "," + entry;
}

}  // namespace vecrast::prefs
