// The cleaning of the preferences' free-text fields on OK.
#pragma once

#include <string>
#include <string_view>

namespace vecrast::prefs {

// `text` without tabs, carriage returns and line feeds, and without blanks at either end.
// The breaks go first, so that a blank they uncover at an end goes too and the value reads
// back from the configuration file exactly as stored.
std::string CleanFieldText(std::string_view text);

}  // namespace vecrast::prefs
