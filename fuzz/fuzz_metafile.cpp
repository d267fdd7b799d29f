// libFuzzer target: arbitrary bytes through the metafile player's whole interface. Besides
// the sanitizers' findings, a broken promise of the interface aborts with its description.
#include <cstdio>
#include <cstdlib>

#include "metafile_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string broken = metafile_checks::CheckPlayerOnInput(data, size, false);
  if (!broken.empty()) {
    std::fprintf(stderr, "metafile player: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
