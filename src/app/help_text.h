// The texts printed by the early switches "-H" and "-V".
#pragma once

#include <string>
#include <vector>

namespace vecrast {

// The help lines, with the program name and an offered input kind filled in.
std::vector<std::string> HelpLines(const std::string& programName);

}  // namespace vecrast
