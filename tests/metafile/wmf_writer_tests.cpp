#include <gtest/gtest.h>

#include "wmf_writer.h"

// The writer's framing is what every other test relies on: header sizes and the
// placeable checksum must be exactly what readers expect.
TEST(WmfWriter, PlaceableFramingAndChecksum) {
  wmfw::WmfWriter w;
  w.Rectangle(1, 2, 3, 4);
  const auto bytes = w.Placeable(0, 0, 100, 50, 96);
  ASSERT_EQ(bytes.size(), 22u + 18u + 14u + 6u);
  EXPECT_EQ(bytes[0], 0xD7);
  EXPECT_EQ(bytes[3], 0x9A);
  uint16_t checksum = 0;
  for (size_t i = 0; i < 20; i += 2) checksum ^= uint16_t(bytes[i] | (bytes[i + 1] << 8));
  EXPECT_EQ(checksum, uint16_t(bytes[20] | (bytes[21] << 8)));
  // Metafile size in words, counted from the 18-byte header on.
  const uint32_t words = bytes[28] | (bytes[29] << 8) | (bytes[30] << 16) | (uint32_t(bytes[31]) << 24);
  EXPECT_EQ(words * 2, bytes.size() - 22);
}
