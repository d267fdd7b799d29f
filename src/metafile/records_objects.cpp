// Object records: creating pens, brushes, fonts, palettes; selecting and deleting them.
// Every record that creates an object takes a table slot, even one whose object is not
// drawn yet, so that later slot numbers stay right.
#include "metafile/record_table.h"
#include "metafile/work_budget.h"

#include <algorithm>

namespace metafile {

namespace {

enum : uint16_t {
  kRealizePalette = 0x0035, kSelectObject = 0x012D, kDeleteObject = 0x01F0, kSelectPalette = 0x0234,
  kCreatePalette = 0x00F7, kCreatePenIndirect = 0x02FA, kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC, kCreateBitmapIndirect = 0x02FD, kCreateBitmap = 0x06FE,
};

void CreatePenIndirect(Player& p, const Record& r) {
  Pen pen;
  if (r.Has(5)) {
    pen.style = r.U16(0);
    pen.width = r.S16(1);  // the y of the width point is unused
    pen.color = r.U32(3);
  } else {
    p.NoteBadRecord();
  }
  p.objects.Add(pen);
}

void CreateBrushIndirect(Player& p, const Record& r) {
  Brush brush;
  if (r.Has(4)) {
    brush.style = r.U16(0);
    brush.color = r.U32(1);
    brush.hatch = r.U16(3);
    // A pattern brush needs a bitmap this record cannot carry: GDI paints it solid.
    if (brush.style != kBrushNull && brush.style != kBrushHatched) brush.style = kBrushSolid;
    if (brush.style == kBrushHatched && brush.hatch > kHatchDiagCross) brush.style = kBrushSolid;
  } else {
    p.NoteBadRecord();
  }
  p.objects.Add(brush);
}

void CreateFontIndirect(Player& p, const Record& r) {
  Font font;
  if (r.Has(9)) {
    font.height = r.S16(0);
    font.width = r.S16(1);
    font.escapement = r.S16(2);
    font.orientation = r.S16(3);
    font.weight = r.S16(4);
    font.italic = r.U8At(10);
    font.underline = r.U8At(11);
    font.strikeOut = r.U8At(12);
    font.charSet = r.U8At(13);
    font.outPrecision = r.U8At(14);
    font.clipPrecision = r.U8At(15);
    font.quality = r.U8At(16);
    font.pitchAndFamily = r.U8At(17);
    for (size_t i = 18; i < std::min<size_t>(r.ParamBytes(), 18 + 32); ++i) {
      const char c = char(r.U8At(i));
      if (c == 0) break;
      font.faceName.push_back(c);
    }
  } else {
    p.NoteBadRecord();
  }
  p.objects.Add(font);
}

// Start word, entry count, then four bytes per entry: red, green, blue, flags.
void CreatePalette(Player& p, const Record& r) {
  Palette palette;
  if (r.Has(2)) {
    const size_t count = r.U16(1);
    for (size_t i = 0; i < count && r.HasBytes(4 + 4 * i, 4); ++i) {
      const size_t at = 4 + 4 * i;
      palette.entries.push_back(uint32_t(r.U8At(at)) | (uint32_t(r.U8At(at + 1)) << 8) |
                                (uint32_t(r.U8At(at + 2)) << 16));
    }
  }
  p.objects.Add(palette);
}

// Bitmaps are not drawn by selecting them; they are kept as slots that change nothing.
void CreateBitmapSlot(Player& p, const Record&) { p.objects.Add(SlotHolder{}); }

void SelectObject(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const GdiObject* object = p.objects.Get(r.U16(0));
  if (!object) {
    p.NoteBadRecord();
    return;
  }
  if (const Pen* pen = std::get_if<Pen>(object)) {
    p.dc.pen = *pen;
  } else if (const Brush* brush = std::get_if<Brush>(object)) {
    p.dc.brush = *brush;
  } else if (const Font* font = std::get_if<Font>(object)) {
    p.dc.font = *font;
  } else if (const LogicalRegion* region = std::get_if<LogicalRegion>(object)) {
    // Mapping the region and clipping it to the canvas visit each rectangle.
    if (p.backend.Charge(2 * int64_t(region->rects.Rects().size()) * cost::kRegionRect)) {
      p.SetClip(p.MapRegion(region->rects));
    }
  }
}

void DeleteObject(Player& p, const Record& r) {
  if (r.Has(1)) p.objects.Remove(r.U16(0));
}

void SelectPalette(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const GdiObject* object = p.objects.Get(r.U16(0));
  if (object && std::holds_alternative<Palette>(*object)) p.dc.paletteIndex = r.U16(0);
}

void Ignore(Player&, const Record&) {}

}  // namespace

void RegisterObjectRecords(RecordTable& table) {
  table.Add(kCreatePenIndirect, CreatePenIndirect);
  table.Add(kCreateBrushIndirect, CreateBrushIndirect);
  table.Add(kCreateFontIndirect, CreateFontIndirect);
  table.Add(kCreatePalette, CreatePalette);
  table.Add(kCreateBitmapIndirect, CreateBitmapSlot);
  table.Add(kCreateBitmap, CreateBitmapSlot);
  table.Add(kSelectObject, SelectObject);
  table.Add(kDeleteObject, DeleteObject);
  table.Add(kSelectPalette, SelectPalette);
  table.Add(kRealizePalette, Ignore);
}

}  // namespace metafile
