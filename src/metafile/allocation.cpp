#include "metafile/allocation.h"

#include <sys/mman.h>

#include <cstdint>

namespace metafile {

void AdviseHugePages(void* data, size_t bytes) noexcept {
  constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
  const uintptr_t start = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kHugePage - 1);
  // Advice only: where the kernel cannot follow it, the buffer keeps small pages.
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace metafile
