#include "texts/text_table.h"

#include <algorithm>

#include "base/ascii_case.h"
#include "texts/language_file.h"

namespace vecrast {
namespace {

constexpr std::string_view kGroupMarker = "_GROUP_";
constexpr std::string_view kEndMarker = "_END_";
// Joins a key and its text while a group's rows are sorted. It sorts below every character a key
// holds, so sorting the joined rows orders them by key, a key before any longer key it begins.
constexpr char kKeyTextSeparator = '\x01';

void CountGroupsAndRows(std::span<const std::string_view> data, int32_t& groups, int32_t& rows) {
  groups = 0;
  rows = 0;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const std::string marker = base::UpperAscii(data[i]);
    if (marker == kEndMarker) break;
    if (marker == kGroupMarker) {
      ++groups;
    } else {
      ++rows;
    }
  }
}

// Names the groups, sets their row ranges and stores every row as its upper-case key, the
// separator and its text.
void FillGroupsAndJoinedRows(TextTable& table, std::span<const std::string_view> data) {
  int32_t g = 0;
  int32_t k = 0;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    std::string first = base::UpperAscii(data[i]);
    if (first == kEndMarker) break;
    if (first == kGroupMarker) {
      table.groups[g].lastRow = k;
      ++g;
      TextGroup& group = table.groups[g];
      group.name = base::UpperAscii(data[i + 1]);
      group.firstRow = k + 1;
      group.firstLetterRow.fill(0);
    } else {
      ++k;
      first += kKeyTextSeparator;
      first += data[i + 1];
      table.keys[k] = std::move(first);
    }
  }
  table.groups[g].lastRow = k;
}

unsigned FirstCharacterCode(const std::string& key) {
  return key.empty() ? 0u : static_cast<unsigned char>(key[0]);
}

void SortSplitAndIndexGroup(TextTable& table, TextGroup& group) {
  auto rows = table.keys.begin();
  std::sort(rows + group.firstRow, rows + group.lastRow + 1);
  unsigned previousCode = 0;
  for (int32_t j = group.firstRow; j <= group.lastRow; ++j) {
    std::string& joined = table.keys[j];
    const size_t separator = joined.find(kKeyTextSeparator);
    if (separator != std::string::npos) {
      table.texts[j] = joined.substr(separator + 1);
      joined.resize(separator);
    }
    const unsigned code = FirstCharacterCode(joined);
    if (code != previousCode) {
      group.firstLetterRow[code] = j;
      previousCode = code;
    }
  }
}

int32_t FindGroup(const TextTable& table, const std::string& upperName) {
  for (int32_t g = 1; g <= table.groupCount; ++g) {
    if (table.groups[g].name == upperName) return g;
  }
  return 0;
}

}  // namespace

void BuildTextTable(TextTable& table, std::span<const std::string_view> data) {
  CountGroupsAndRows(data, table.groupCount, table.rowCount);
  table.groups.assign(static_cast<size_t>(table.groupCount) + 1, TextGroup{});
  table.keys.assign(static_cast<size_t>(table.rowCount) + 1, std::string{});
  table.texts.assign(static_cast<size_t>(table.rowCount) + 1, std::string{});
  FillGroupsAndJoinedRows(table, data);
  for (int32_t g = 1; g <= table.groupCount; ++g) {
    TextGroup& group = table.groups[g];
    if (group.firstRow <= group.lastRow) SortSplitAndIndexGroup(table, group);
  }
}

void OverrideTexts(TextTable& table, const LanguageFile& file) {
  // Only the first entry of a key counts; later ones must not replace what it set.
  std::vector<bool> overridden(table.keys.size(), false);
  for (int32_t g = 1; g <= table.groupCount; ++g) {
    const TextGroup& group = table.groups[g];
    if (group.firstRow > group.lastRow) continue;
    const auto rows = table.keys.begin();
    file.ForEachEntry(group.name, [&](std::string_view key, std::string_view value) {
      const auto [from, to] =
          std::equal_range(rows + group.firstRow, rows + group.lastRow + 1, base::UpperAscii(key));
      for (auto row = from; row != to; ++row) {
        const auto j = static_cast<size_t>(row - rows);
        if (overridden[j]) continue;
        table.texts[j] = value;
        overridden[j] = true;
      }
    });
  }
}

const std::string* FindText(const TextTable& table, int32_t& currentGroup, std::string_view group,
                            std::string_view key) {
  const std::string upperGroup = base::UpperAscii(group);
  const std::string upperKey = base::UpperAscii(key);
  const bool currentIsValid = currentGroup > 0 && currentGroup <= table.groupCount;
  if (!currentIsValid || table.groups[currentGroup].name != upperGroup) {
    currentGroup = FindGroup(table, upperGroup);
  }
  if (currentGroup == 0) return nullptr;

  const TextGroup& found = table.groups[currentGroup];
  // Rows are sorted, so the scan ends at the first key that sorts after the one sought.
  for (int32_t j = found.firstLetterRow[FirstCharacterCode(upperKey)]; j != 0 && j <= found.lastRow;
       ++j) {
    const int order = upperKey.compare(table.keys[j]);
    if (order == 0) return &table.texts[j];
    if (order < 0) return nullptr;
  }
  return nullptr;
}

}  // namespace vecrast
