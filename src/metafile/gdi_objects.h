// The GDI objects a metafile creates and selects: pens, brushes, fonts, palettes, regions.
// Values, not handles: selecting an object copies it into the device context, so deleting
// the table entry afterwards leaves the selection intact, as in GDI.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "metafile/region.h"

namespace metafile {

// COLORREF as stored in records: 0x00BBGGRR (the high byte is a palette flag, ignored).
using ColorRef = uint32_t;

enum PenStyle : uint16_t {
  kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4, kPenNull = 5,
  kPenInsideFrame = 6, kPenStyleMask = 0x000F,
};

// End caps and joins of geometric pens, in the pen style's higher bits.
enum PenFlags : uint16_t {
  kEndCapSquare = 0x0100, kEndCapFlat = 0x0200, kJoinBevel = 0x1000, kJoinMiter = 0x2000,
  kCapMask = 0x0F00, kJoinMask = 0xF000,
};

struct Pen {
  uint16_t style = kPenSolid;  // low nibble: PenStyle; higher bits: end caps and joins
  int16_t width = 0;           // logical units; 0 means one device pixel
  ColorRef color = 0;
};

enum BrushStyle : uint16_t { kBrushSolid = 0, kBrushNull = 1, kBrushHatched = 2, kBrushPattern = 3,
                             kBrushDibPattern = 5, kBrushDibPatternPt = 6 };

enum HatchStyle : uint16_t { kHatchHorizontal = 0, kHatchVertical = 1, kHatchFDiagonal = 2,
                             kHatchBDiagonal = 3, kHatchCross = 4, kHatchDiagCross = 5 };

// A pattern brush's bitmap, tiled from the canvas origin. Colour patterns carry their
// pixels (0x00RRGGBB); monochrome patterns from a device-dependent bitmap take the DC's
// text colour for clear bits and background colour for set bits when painted.
struct PatternBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;    // width * height, top row first, colour patterns
  std::vector<uint8_t> monoBits;   // width * height, 1 = set bit, when `usesDcColors`
  bool usesDcColors = false;
};

struct Brush {
  uint16_t style = kBrushSolid;
  ColorRef color = 0xFFFFFF;
  uint16_t hatch = 0;
  std::shared_ptr<const PatternBitmap> pattern;  // kBrushPattern / kBrushDibPattern*
};

// The logical font as recorded; the text records turn it into a face and a size.
struct Font {
  int16_t height = 0;
  int16_t width = 0;
  int16_t escapement = 0;
  int16_t orientation = 0;
  int16_t weight = 400;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  std::string faceName;
};

struct Palette {
  std::vector<ColorRef> entries;
};

// A region as created by a record, in logical units; mapped to the canvas when used.
struct LogicalRegion {
  Region rects;
};

// An object that holds a slot but changes nothing when selected (a bitmap, say).
struct SlotHolder {};

using GdiObject = std::variant<std::monostate, Pen, Brush, Font, Palette, LogicalRegion, SlotHolder>;

}  // namespace metafile
