#include "app/memory_tuning.h"

#include <malloc.h>

namespace vecrast {

namespace {

constexpr int kHeapServedBytes = 32 << 20;
constexpr int kKeptFreeBytes = 64 << 20;

}  // namespace

void KeepPictureBuffersInHeap() {
  mallopt(M_MMAP_THRESHOLD, kHeapServedBytes);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
}

}  // namespace vecrast
