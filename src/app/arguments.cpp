#include "app/arguments.h"

#include <algorithm>
#include <cctype>

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

std::string StripBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string OptionKey(const Arguments& arguments, size_t index) {
  const std::string argument = StripBlanks(ArgumentAt(arguments, index));
  std::string key;
  if (argument.starts_with("--")) {
    key = argument.substr(0, argument.find('='));
  } else if (argument.starts_with("-")) {
    key = argument;
  }
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return key;
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
