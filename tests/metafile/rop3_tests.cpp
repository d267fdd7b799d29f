// The ROP3 evaluation against its definition: bit (P·4 + S·2 + D) of the code is the
// result for those input bits, for every code, including the ones with fast paths.
#include <gtest/gtest.h>

#include "metafile/rop3.h"

namespace {

using metafile::ApplyRop3;

uint32_t ByDefinition(uint8_t rop, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t out = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const unsigned index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
    out |= uint32_t((rop >> index) & 1) << bit;
  }
  return out;
}

TEST(Rop3, EveryCodeMatchesItsTruthTable) {
  // Inputs whose bits together cover all eight (P, S, D) combinations.
  const uint32_t p = 0xF0F0F0, s = 0xCCCCCC, d = 0xAAAAAA;
  for (int rop = 0; rop < 256; ++rop) {
    EXPECT_EQ(ApplyRop3(uint8_t(rop), p, s, d), ByDefinition(uint8_t(rop), p, s, d)) << rop;
    EXPECT_EQ(ApplyRop3(uint8_t(rop), 0x123456, 0x9ABCDE, 0x0F1E2D), ByDefinition(uint8_t(rop), 0x123456, 0x9ABCDE, 0x0F1E2D))
        << rop;
  }
}

TEST(Rop3, InputUseFlags) {
  using namespace metafile;
  EXPECT_TRUE(Rop3UsesSource(kRopSrcCopy));
  EXPECT_FALSE(Rop3UsesPattern(kRopSrcCopy));
  EXPECT_FALSE(Rop3UsesDest(kRopSrcCopy));
  EXPECT_TRUE(Rop3UsesPattern(kRopPatInvert));
  EXPECT_TRUE(Rop3UsesDest(kRopPatInvert));
  EXPECT_FALSE(Rop3UsesSource(kRopPatInvert));
  EXPECT_FALSE(Rop3UsesSource(kRopDstInvert));
  EXPECT_FALSE(Rop3UsesPattern(kRopBlackness) || Rop3UsesSource(kRopBlackness) || Rop3UsesDest(kRopBlackness));
  EXPECT_TRUE(Rop3UsesSource(0xB8) && Rop3UsesPattern(0xB8) && Rop3UsesDest(0xB8));
  EXPECT_EQ(Rop3FromRecord(0x00CC0020), kRopSrcCopy);
}

}  // namespace
