// libFuzzer target: arbitrary bytes through the metafile player's whole interface. Besides
// the sanitizers' findings, a broken promise of the interface aborts with its description.
#include <cstdio>
#include <cstdlib>

#include "metafile_checks.h"

// Fontconfig keeps its configuration for the life of the process and does not free it at
// exit; that is no finding. Weak, so a suppression list defined by the player wins.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string broken = metafile_checks::CheckPlayerOnInput(data, size, false);
  if (!broken.empty()) {
    std::fprintf(stderr, "metafile player: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
