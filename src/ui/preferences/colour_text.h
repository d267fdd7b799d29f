// Colour texts of the preferences: the six-digit field rule, the labels of colour-list items
// and the comma-separated lists of fonts and colours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vecrast::prefs {

// "RRGGBB" in upper case from a colour field's text: a text of exactly six characters gives
// its three pairs, each read as far as its leading hexadecimal digits go ("8G" is 8, "GG" 0);
// any other length gives "000000".
std::string ColourFieldValue(std::string_view text);

// The text of a colour-list item: the named colour's text when `entry` (in upper case) is one
// of the nineteen named colours, else "Color #" and the entry in upper case.
std::string ColourItemLabel(std::string_view entry);

// The entries of a comma-separated list, blanks trimmed; empty entries are left out.
std::vector<std::string> SplitListSetting(std::string_view list);

// `list` with `entry` appended after a comma (without one when the list is empty).
std::string AppendListEntry(const std::string& list, const std::string& entry);

// Red, green and blue of an "RRGGBB" value (as read by ColourFieldValue).
struct ColourParts {
  unsigned char red = 0, green = 0, blue = 0;
};
ColourParts ColourPartsOf(std::string_view text);
std::string ColourText(ColourParts parts);

}  // namespace vecrast::prefs
