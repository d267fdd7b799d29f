// Letter-case changes of UTF-8 text (file names, masks), by Unicode simple case mapping.
#pragma once

#include <string>
#include <string_view>

namespace vecrast {

std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
// First character upper case, all the others lower case: "dRAWING" gives "Drawing".
std::string TitleCase(std::string_view text);

}  // namespace vecrast
