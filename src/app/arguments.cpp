#include "app/arguments.h"

#include <algorithm>

#include "base/ascii_case.h"
#include "base/trim.h"

namespace vecrast {

Arguments ArgumentsFromArgv(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i] ? argv[i] : "";
    std::erase(argument, '"');
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::string ArgumentAt(const Arguments& arguments, size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

std::string StripBlanks(const std::string& text) { return std::string(base::TrimBlanks(text, " ")); }

std::string OptionKey(const Arguments& arguments, size_t index) {
  const std::string argument = StripBlanks(ArgumentAt(arguments, index));
  if (argument.starts_with("--")) return base::UpperAscii(argument.substr(0, argument.find('=')));
  if (argument.starts_with("-")) return base::UpperAscii(argument);
  return {};
}

std::string OptionValue(const Arguments& arguments, size_t index) {
  const std::string argument = StripBlanks(ArgumentAt(arguments, index));
  if (argument.starts_with("--")) {
    const size_t equals = argument.find('=', 2);
    if (equals != std::string::npos) return argument.substr(equals + 1);
  }
  return argument;
}

}  // namespace vecrast
