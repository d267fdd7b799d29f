// What each command-line option does, in words, for the manual page. The option table says
// how an option is read and what it writes; this says what that means to a user.
#pragma once

#include <string_view>

namespace vecrast::manual {

struct OptionDescription {
  std::string_view longName;   // as in the option table, upper case
  std::string_view valueName;  // how the value is shown in the synopsis; empty: by its kind
  std::string_view text;       // one or two sentences
};

// The description of the option with that long name; null when it has none.
const OptionDescription* FindOptionDescription(std::string_view longName);

}  // namespace vecrast::manual
