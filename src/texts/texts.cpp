#include "texts/texts.h"

#include <atomic>
#include <cstdint>

#include "texts/language_file.h"
#include "texts/text_table.h"
#include "texts/text_table_data.h"

namespace vecrast {
namespace {

TextTable textTable;
// The group found by the last lookup. Atomic so that a lookup from the worker thread cannot
// tear it; any value it holds is a valid hint.
std::atomic<int32_t> currentGroup{0};

}  // namespace

int LoadTextTable(std::string_view languageFile) {
  BuildTextTable(textTable, BuiltInTextTableData());
  currentGroup.store(0, std::memory_order_relaxed);
  if (!languageFile.empty()) {
    LanguageFile file;
    if (file.Open(std::string(languageFile))) OverrideTexts(textTable, file);
  }
  return 1;
}

std::string GetText(std::string_view group, std::string_view key) {
  int32_t current = currentGroup.load(std::memory_order_relaxed);
  const std::string* text = FindText(textTable, current, group, key);
  currentGroup.store(current, std::memory_order_relaxed);
  return text ? *text : std::string(kNoStringError);
}

}  // namespace vecrast
