// Reading the little-endian integers of file formats (metafile records, bitmap headers) from
// bytes that the caller has already bounds-checked.
#pragma once

#include <cstdint>

namespace base {

inline uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline uint32_t ReadLe32(const uint8_t* p) {
  return static_cast<uint32_t>(ReadLe16(p)) | (static_cast<uint32_t>(ReadLe16(p + 2)) << 16);
}

inline int16_t ReadLeS16(const uint8_t* p) { return static_cast<int16_t>(ReadLe16(p)); }

}  // namespace base
