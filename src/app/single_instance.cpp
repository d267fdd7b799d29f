#include "app/single_instance.h"

#include <array>
#include <string_view>

#include "app/end_program.h"
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

LockMode LockModeFor(const Arguments& arguments) {
  return AsksForCommandLineAction(arguments) ? LockMode::kCommandLine : LockMode::kWindowed;
}

int RefuseStart(LockResult result, const std::string& reason) {
  switch (result) {
    case LockResult::kTaken:
    case LockResult::kHeld:
      return 0;
    case LockResult::kHeldByWindow:
      PrintErrorLine("Error: " + WindowTitle() + " is already running (its window is open; try again once it is closed)");
      return kExitTemporaryFailure;
    case LockResult::kFailed:
      PrintErrorLine("Error: the single-instance lock cannot be taken: " + reason);
      return 1;
  }
  return 1;
}

}  // namespace vecrast
