#include "app/single_instance.h"

#include <array>
#include <string_view>

#include "app/product.h"
#include "platform/console.h"

namespace vecrast {

namespace {
constexpr std::array<std::string_view, 7> kEarlySwitches = {"-U", "-T", "-V", "--VERSION", "-H", "-?", "--HELP"};
}  // namespace

bool AsksForCommandLineAction(const Arguments& arguments) {
  if (arguments.empty()) return false;
  const std::string first = OptionKey(arguments, 0);
  for (std::string_view early : kEarlySwitches) {
    if (first == early) return true;
  }
  for (size_t index = 0; index < arguments.size(); ++index) {
    const std::string key = OptionKey(arguments, index);
    if (key == "-I" || key == "--INPUT") return true;
  }
  return false;
}

int RefuseSecondInstance(const Arguments& arguments) {
  if (!AsksForCommandLineAction(arguments)) return 0;
  PrintErrorLine("Error: " + WindowTitle() + " is already running");
  return 1;
}

}  // namespace vecrast
