// Buffers whose size a file decides (the canvas, coverage masks, decoded bitmaps) are sized
// through these, so that running out of memory is an answer (false, the vector left empty)
// rather than the allocator's exception.
#pragma once

#include <cstddef>
#include <new>
#include <stdexcept>
#include <vector>

namespace metafile {

// Buffers of at least this many bytes are asked to live on huge pages.
constexpr size_t kHugePageBufferBytes = size_t(16) << 20;

// Asks the kernel to back [data, data + bytes) with huge pages where it can. Touching fresh
// memory page by page is what a large buffer mostly costs (about three seconds for the
// 1 GiB canvas of the largest picture on small pages, a tenth of that on huge ones).
void AdviseHugePages(void* data, size_t bytes) noexcept;

// `v` becomes `count` copies of `value`; false (and `v` empty) when memory runs out.
template <typename T>
bool TryAssign(std::vector<T>& v, size_t count, const T& value) noexcept {
  try {
    if (count >= kHugePageBufferBytes / sizeof(T) && v.capacity() < count) {
      std::vector<T>().swap(v);
      v.reserve(count);
      AdviseHugePages(v.data(), count * sizeof(T));
    }
    v.assign(count, value);
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  std::vector<T>().swap(v);
  return false;
}

}  // namespace metafile
