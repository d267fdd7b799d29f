// Ternary raster operations. A ROP3 code is the truth table of a boolean function of
// pattern (P), source (S) and destination (D): bit (P·4 + S·2 + D) of the code is the result
// for those input bits. Applied bitwise to 24-bit colours, every one of the 256 codes comes
// out as on a true-colour device, so masks built from AND/OR/XOR blits combine correctly.
#pragma once

#include <cstdint>

namespace metafile {

enum Rop3 : uint8_t {
  kRopBlackness = 0x00, kRopNotSrcErase = 0x11, kRopNotSrcCopy = 0x33, kRopSrcErase = 0x44,
  kRopDstInvert = 0x55, kRopPatInvert = 0x5A, kRopSrcInvert = 0x66, kRopSrcAnd = 0x88,
  kRopDstCopy = 0xAA, kRopMergePaint = 0xBB, kRopMergeCopy = 0xC0, kRopSrcCopy = 0xCC,
  kRopSrcPaint = 0xEE, kRopPatCopy = 0xF0, kRopPatPaint = 0xFB, kRopWhiteness = 0xFF,
};

// The code from a record's 32-bit raster operation (the index byte of its high word).
inline uint8_t Rop3FromRecord(uint32_t rop) { return uint8_t((rop >> 16) & 0xFF); }

// Whether the result depends on each input: the table differs when that input flips.
inline bool Rop3UsesPattern(uint8_t rop) { return ((rop >> 4) ^ rop) & 0x0F; }
inline bool Rop3UsesSource(uint8_t rop) { return ((rop >> 2) ^ rop) & 0x33; }
inline bool Rop3UsesDest(uint8_t rop) { return ((rop >> 1) ^ rop) & 0x55; }

// The result for 24-bit colours p, s, d (higher bits are ignored and come out 0).
inline uint32_t ApplyRop3(uint8_t rop, uint32_t p, uint32_t s, uint32_t d) {
  switch (rop) {
    case kRopBlackness: return 0;
    case kRopWhiteness: return 0xFFFFFF;
    case kRopSrcCopy: return s & 0xFFFFFF;
    case kRopPatCopy: return p & 0xFFFFFF;
    case kRopSrcAnd: return s & d & 0xFFFFFF;
    case kRopSrcPaint: return (s | d) & 0xFFFFFF;
    case kRopSrcInvert: return (s ^ d) & 0xFFFFFF;
    case kRopPatInvert: return (p ^ d) & 0xFFFFFF;
    case kRopDstInvert: return ~d & 0xFFFFFF;
    case kRopNotSrcCopy: return ~s & 0xFFFFFF;
    case kRopMergeCopy: return p & s & 0xFFFFFF;
    case kRopMergePaint: return (~s | d) & 0xFFFFFF;
    default: break;
  }
  uint32_t out = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(rop & (1u << i))) continue;
    out |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return out & 0xFFFFFF;
}

}  // namespace metafile
