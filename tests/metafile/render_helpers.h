// Shared by the player tests: render writer output and read pixels back.
#pragma once

#include <cstdint>
#include <string>

#include "metafile/metafile.h"
#include "wmf_writer.h"

namespace metafile_test {

// Renders a placeable metafile; fails the calling test when the player refuses it.
metafile::Picture Render(const wmfw::Bytes& bytes);

// Reads the placeable header of writer output and places it on its canvas; false (and the
// calling test fails) when either is refused.
bool ReadHeaderAndPlacement(const wmfw::Bytes& bytes, metafile::PlaceableHeader& header,
                            metafile::Placement& placement);

// The pixel at (x, y) as 0xRRGGBB.
uint32_t At(const metafile::Picture& picture, int x, int y);

// Pixels equal to `rgb` in the rectangle [left, right) × [top, bottom).
int Count(const metafile::Picture& picture, uint32_t rgb, int left = 0, int top = 0, int right = -1,
          int bottom = -1);

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

}  // namespace metafile_test
