// The in-memory text table: groups of rows sorted by key, with a first-letter index per group so
// that a lookup jumps straight to the rows sharing the key's first character.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vecrast {

class LanguageFile;

struct TextGroup {
  std::string name;       // upper case
  int32_t firstRow = 0;   // first row greater than last row: an empty group
  int32_t lastRow = 0;
  // Entry c: the first row of the group whose key begins with the character code c; 0 for none.
  std::array<int32_t, 256> firstLetterRow{};
};

struct TextTable {
  std::vector<TextGroup> groups;  // element 0 has an empty name and stands for "no group"
  std::vector<std::string> keys;  // upper case; element 0 holds no row
  std::vector<std::string> texts;
  int32_t groupCount = 0;
  int32_t rowCount = 0;
};

// Builds `table` from a flat sequence of strings read two at a time ("_GROUP_" + name opens a
// group, key + text is a row, "_END_" ends). Markers are recognised in any letter case. A
// sequence without "_END_" ends at its last whole pair.
void BuildTextTable(TextTable& table, std::span<const std::string_view> data);

// Replaces each row's text by the value of its key in the language file's section named like
// the row's group; keys the file does not hold keep their text.
void OverrideTexts(TextTable& table, const LanguageFile& file);

// The text of `key` in `group` (both without regard to letter case), or null when the table has
// no such row. `currentGroup` remembers the group found by the previous lookup, so that runs of
// lookups in one group skip the group search; any value is accepted.
const std::string* FindText(const TextTable& table, int32_t& currentGroup, std::string_view group,
                            std::string_view key);

}  // namespace vecrast
