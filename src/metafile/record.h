// One metafile record as the record loop hands it to a handler: the function number and a
// bounds-checked view of its parameter bytes. Reads past the record's end yield 0; handlers
// check Has() before trusting a count.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/little_endian.h"

namespace metafile {

class Record {
 public:
  Record(uint16_t function, const uint8_t* params, size_t paramBytes)
      : function_(function), params_(params), size_(paramBytes) {}

  uint16_t Function() const { return function_; }
  size_t ParamBytes() const { return size_; }
  size_t ParamWords() const { return size_ / 2; }

  // True when the record holds at least `words` parameter words.
  bool Has(size_t words) const { return words <= ParamWords(); }
  bool HasBytes(size_t offset, size_t count) const { return offset <= size_ && count <= size_ - offset; }

  uint16_t U16(size_t word) const {
    if (!Has(word + 1)) return 0;
    return base::ReadLe16(params_ + 2 * word);
  }
  int16_t S16(size_t word) const { return int16_t(U16(word)); }
  // Two words, low word first (COLORREF and 32-bit counts).
  uint32_t U32(size_t word) const { return uint32_t(U16(word)) | (uint32_t(U16(word + 1)) << 16); }
  uint8_t U8At(size_t byte) const { return byte < size_ ? params_[byte] : 0; }
  // `count` bytes from byte `offset`, or null when they are not all inside the record.
  const uint8_t* BytesAt(size_t offset, size_t count) const {
    return HasBytes(offset, count) ? params_ + offset : nullptr;
  }

 private:
  uint16_t function_;
  const uint8_t* params_;
  size_t size_;
};

}  // namespace metafile
