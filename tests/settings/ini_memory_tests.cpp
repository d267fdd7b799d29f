// The INI reader's memory stays within a small multiple of its input, whatever the input
// holds: a 16 MiB profile of group lines once took 544 MB, and under a memory limit the
// allocation failure aborted the program.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "settings/ini_file.h"

namespace {

// Every allocation of this test program is counted: the bytes in use and their peak.
std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* Counted(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  const std::size_t now = inUse += malloc_usable_size(block);
  for (std::size_t seen = peak; now > seen && !peak.compare_exchange_weak(seen, now);) {
  }
  return block;
}

void Uncounted(void* block) {
  if (!block) return;
  inUse -= malloc_usable_size(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Counted(size); }
void* operator new[](std::size_t size) { return Counted(size); }
void operator delete(void* block) noexcept { Uncounted(block); }
void operator delete[](void* block) noexcept { Uncounted(block); }
void operator delete(void* block, std::size_t) noexcept { Uncounted(block); }
void operator delete[](void* block, std::size_t) noexcept { Uncounted(block); }

namespace vecrast {
namespace {

struct Hostile {
  const char* name;
  std::string line;  // repeated to fill the input
};

// The peak memory that reading `bytes` takes beyond the bytes themselves.
std::size_t PeakWhileReading(std::string bytes) {
  const std::size_t before = inUse;
  peak = before;
  IniFile file;
  file.Parse(std::move(bytes));  // the reader takes the bytes over, as Open does
  file.SelectGroup("a");
  std::size_t entries = 0;
  file.ForEachEntry([&](std::string_view, std::string_view) { ++entries; });
  return peak - before;
}

TEST(IniMemory, StaysWithinThreeTimesTheInput) {
  constexpr std::size_t kInput = 16u << 20;
  const Hostile cases[] = {
      {"group lines", "[a]\n"},
      {"entry lines", "b\n"},
      {"Latin-1 lines", "[a]\n\xFF\n"},
      {"comments", ";\n"},
  };
  for (const Hostile& c : cases) {
    std::string bytes;
    bytes.reserve(kInput);
    while (bytes.size() + c.line.size() <= kInput) bytes += c.line;
    const std::size_t input = bytes.size();
    const std::size_t used = PeakWhileReading(std::move(bytes)) + input;
    EXPECT_LE(used, 3 * input) << c.name << ": " << used / (1 << 20) << " MiB for " << input / (1 << 20) << " MiB";
  }
}

}  // namespace
}  // namespace vecrast
