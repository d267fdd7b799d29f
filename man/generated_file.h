// What the two writers of the command-line documentation share around their text: the check
// that every option is described, and writing the result.
#pragma once

#include <string>
#include <string_view>

#include "option_reference.h"

namespace vecrast::manual {

// True when the reference describes every option of the table; otherwise names each one that
// is not described on standard error, after "`tool`: ".
bool AllOptionsDescribed(const OptionReference& reference, std::string_view tool);

// Writes `text` to `path`; false, with a line on standard error, when it cannot.
bool WriteGeneratedFile(const std::string& path, const std::string& text, std::string_view tool);

}  // namespace vecrast::manual
