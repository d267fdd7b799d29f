// Writing an option's value into the setting its table row names.
#pragma once

#include <string>

#include "app/option_table.h"

namespace vecrast {

// Where a value comes from: profile entries trim text values differently.
enum class ValueSource { CommandLine, Profile };

// For a Setting row: converts `valueText` by the row's value kind and stores it, then sets
// the row's also-written setting. A Flag row stores its flag value and ignores the text.
// False when the row names a setting that does not exist (a table fault).
bool StoreOptionValue(const OptionRow& row, const std::string& valueText, ValueSource source);

}  // namespace vecrast
