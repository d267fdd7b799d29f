// Writing an option's value into the setting its table row names.
#pragma once

#include <string>
#include <string_view>

#include "app/option_table.h"

namespace vecrast {

// Where a value comes from: profile entries trim text values differently.
enum class ValueSource { CommandLine, Profile };

// For a Setting row: converts `valueText` by the row's value kind and stores it, then sets
// the row's also-written setting. A Flag row stores its flag value and ignores the text.
// False when the row names a setting that does not exist (a table fault).
bool StoreOptionValue(const OptionRow& row, const std::string& valueText, ValueSource source);

// The text a number was stored from, as the user wrote it (blanks trimmed), so that an error
// line about the number can show what was typed; empty when the setting was not stored from
// a number's text in this run.
std::string TypedNumberText(std::string_view group, std::string_view key);
// Forgets every typed text (at the start of reading a run's options).
void ForgetTypedNumbers();

}  // namespace vecrast
