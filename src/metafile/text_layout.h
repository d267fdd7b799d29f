// Where the characters of one string go, in whole canvas pixels along its baseline, and
// where the baseline starts for a text alignment. No fonts here: advances come in.
#pragma once

#include <cstdint>
#include <vector>

namespace metafile {

enum TextAlign : uint16_t {
  kTaUpdateCp = 0x0001, kTaLeft = 0x0000, kTaRight = 0x0002, kTaCenter = 0x0006, kTaHorizontalMask = 0x0006,
  kTaTop = 0x0000, kTaBottom = 0x0008, kTaBaseline = 0x0018, kTaVerticalMask = 0x0018,
};

struct TextSpacing {
  // Per-character advances in canvas pixels from the record (empty: the font's own).
  std::vector<double> dx;
  std::vector<double> dy;     // vertical offsets per character (rarely given)
  int charExtra = 0;          // pixels added after every character without dx
  int breakExtra = 0;         // pixels shared among the first `breakCount` break characters
  int breakCount = 0;
};

struct TextLayout {
  std::vector<int> offsets;   // pen position of each character along the baseline
  std::vector<int> rise;      // pen position across the baseline (y down), from dy
  int width = 0;              // the whole string's advance
  int endRise = 0;            // where the pen ends across the baseline, from dy
};

// `advances`: the font's whole-pixel advance per character; `isBreak`: which characters
// take justification. Given dx values are accumulated in floating point and rounded per
// character, so rounding does not drift along a long string.
TextLayout LayOutText(const std::vector<int>& advances, const std::vector<bool>& isBreak,
                      const TextSpacing& spacing);

// The baseline start relative to the reference point, in the text's own frame (x along
// the baseline, y down): for TA_RIGHT and TA_CENTER the string ends at or centres on the
// point, TA_TOP puts the ascent below it, TA_BOTTOM the descent above it.
struct BaselineShift {
  int along = 0;
  int down = 0;
};
BaselineShift AlignBaseline(uint16_t align, int width, int ascent, int descent);

}  // namespace metafile
