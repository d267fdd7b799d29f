// libFuzzer target: arbitrary bytes through the metafile player's whole interface. Besides
// the sanitizers' findings, a broken promise of the interface aborts with its description.
// Mutation is structure-aware (record_mutator.h), so that files of many records are reached.
#include <cstdio>
#include <cstdlib>

#include "metafile/record_table.h"
#include "metafile_checks.h"
#include "record_mutator.h"

// Fontconfig keeps its configuration for the life of the process and does not free it at
// exit; that is no finding. Weak, so a suppression list defined by the player wins.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

const std::vector<uint16_t>& HandledFunctions() {
  static const std::vector<uint16_t> functions = metafile::AllRecords().Functions();
  return functions;
}

const metafile_fuzz::ByteMutator& ByteLevel() {
  static const metafile_fuzz::ByteMutator mutate = LLVMFuzzerMutate;
  return mutate;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string broken = metafile_checks::CheckPlayerOnInput(data, size, false);
  if (!broken.empty()) {
    std::fprintf(stderr, "metafile player: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
  metafile_fuzz::RecordMutator mutator(seed, ByteLevel(), HandledFunctions());
  return mutator.Mutate(data, size, maxSize);
}

extern "C" size_t LLVMFuzzerCustomCrossOver(const uint8_t* a, size_t sizeA, const uint8_t* b, size_t sizeB,
                                            uint8_t* out, size_t maxSize, unsigned int seed) {
  metafile_fuzz::RecordMutator mutator(seed, ByteLevel(), HandledFunctions());
  return mutator.CrossOver(a, sizeA, b, sizeB, out, maxSize);
}
