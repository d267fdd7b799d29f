// The device context as a plain value: everything SaveDC keeps and RestoreDC brings back.
#pragma once

#include <cstdint>
#include <memory>

#include "metafile/gdi_objects.h"
#include "metafile/region.h"

namespace metafile {

enum MapMode : int16_t { kMapText = 1, kMapLoMetric = 2, kMapHiMetric = 3, kMapLoEnglish = 4,
                         kMapHiEnglish = 5, kMapTwips = 6, kMapIsotropic = 7, kMapAnisotropic = 8 };

enum BkMode : int16_t { kTransparent = 1, kOpaque = 2 };
enum PolyFillMode : int16_t { kAlternate = 1, kWinding = 2 };
enum Rop2 : int16_t { kR2Black = 1, kR2Not = 6, kR2XorPen = 7, kR2Nop = 11, kR2CopyPen = 13, kR2White = 16 };

struct LogicalPoint {
  int x = 0;
  int y = 0;
};

struct DcState {
  int16_t mapMode = kMapAnisotropic;
  // Window and viewport as in GDI. The viewport is in the picture's device units, which
  // the player's frame maps onto the canvas (see mapping.h).
  LogicalPoint windowOrg{0, 0};
  LogicalPoint windowExt{1, 1};
  LogicalPoint viewportOrg{0, 0};
  LogicalPoint viewportExt{1, 1};

  Pen pen{kPenSolid, 0, 0x000000};
  Brush brush{kBrushSolid, 0xFFFFFF, 0, nullptr};
  Font font{};
  uint16_t paletteIndex = 0xFFFF;  // object table slot of the selected palette, or none

  ColorRef textColor = 0x000000;
  ColorRef bkColor = 0xFFFFFF;
  int16_t bkMode = kOpaque;
  int16_t polyFillMode = kAlternate;
  int16_t rop2 = kR2CopyPen;
  int16_t stretchBltMode = 1;
  int16_t mapperFlags = 0;
  uint16_t textAlign = 0;
  int16_t textCharExtra = 0;
  int16_t breakExtra = 0;  // SETTEXTJUSTIFICATION: extra space and break count
  int16_t breakCount = 0;
  LogicalPoint position{0, 0};

  // Clip in canvas pixels; null means the whole canvas.
  std::shared_ptr<const Region> clip;
};

}  // namespace metafile
