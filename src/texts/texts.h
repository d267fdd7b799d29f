// The user-interface texts: one table for the process, addressed by group and key.
#pragma once

#include <string>
#include <string_view>

namespace vecrast {

// The text of every lookup that finds no row.
inline constexpr std::string_view kNoStringError = "%NO_STRING_ERROR%";

// Builds the process's text table from the built-in texts. With a non-empty `languageFile`, the
// texts are then replaced by that file's values (an INI file: section = group, key = text; keys
// it does not hold keep the built-in text); a file that cannot be read leaves the built-in
// texts. Returns 1. Not to be called while another thread looks texts up.
int LoadTextTable(std::string_view languageFile = {});

// The text of `key` in `group`, both matched without regard to letter case; kNoStringError when
// the table has no such group or key (or has not been loaded).
std::string GetText(std::string_view group, std::string_view key);

}  // namespace vecrast
