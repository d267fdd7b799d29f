// Device-context records: mapping mode, window and viewport, drawing modes and colours,
// SaveDC and RestoreDC.
#include "metafile/record_table.h"
#include "metafile/saturate.h"

namespace metafile {

namespace {

enum : uint16_t {
  kSaveDC = 0x001E, kSetBkMode = 0x0102, kSetMapMode = 0x0103, kSetRop2 = 0x0104, kSetRelAbs = 0x0105,
  kSetPolyFillMode = 0x0106, kSetStretchBltMode = 0x0107, kSetTextCharExtra = 0x0108,
  kRestoreDC = 0x0127, kSetTextAlign = 0x012E, kSetBkColor = 0x0201, kSetTextColor = 0x0209,
  kSetTextJustification = 0x020A, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
  kSetViewportOrg = 0x020D, kSetViewportExt = 0x020E, kOffsetWindowOrg = 0x020F,
  kOffsetViewportOrg = 0x0211, kSetMapperFlags = 0x0231, kScaleWindowExt = 0x0410,
  kScaleViewportExt = 0x0412,
};

bool Scalable(const DcState& dc) { return dc.mapMode == kMapIsotropic || dc.mapMode == kMapAnisotropic; }

// Points are stored y first.
bool ReadPoint(const Record& r, LogicalPoint& p) {
  if (!r.Has(2)) return false;
  p = {r.S16(1), r.S16(0)};
  return true;
}

void SaveDC(Player& p, const Record&) {
  if (!p.Save()) p.NoteBadRecord();
}

void RestoreDC(Player& p, const Record& r) {
  if (!r.Has(1) || !p.Restore(r.S16(0))) p.NoteBadRecord();
}

void SetBkMode(Player& p, const Record& r) {
  if (r.Has(1) && (r.S16(0) == kTransparent || r.S16(0) == kOpaque)) p.dc.bkMode = r.S16(0);
}

void SetMapMode(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const int16_t mode = r.S16(0);
  if (mode < kMapText || mode > kMapAnisotropic) return;
  p.dc.mapMode = mode;
}

void SetRop2(Player& p, const Record& r) {
  if (r.Has(1) && r.S16(0) >= kR2Black && r.S16(0) <= kR2White) p.dc.rop2 = r.S16(0);
}

void SetPolyFillMode(Player& p, const Record& r) {
  if (r.Has(1) && (r.S16(0) == kAlternate || r.S16(0) == kWinding)) p.dc.polyFillMode = r.S16(0);
}

void SetStretchBltMode(Player& p, const Record& r) {
  if (r.Has(1)) p.dc.stretchBltMode = r.S16(0);
}

void SetTextCharExtra(Player& p, const Record& r) {
  if (r.Has(1)) p.dc.textCharExtra = r.S16(0);
}

void SetTextAlign(Player& p, const Record& r) {
  if (r.Has(1)) p.dc.textAlign = r.U16(0);
}

void SetBkColor(Player& p, const Record& r) {
  if (r.Has(2)) p.dc.bkColor = r.U32(0);
}

void SetTextColor(Player& p, const Record& r) {
  if (r.Has(2)) p.dc.textColor = r.U32(0);
}

void SetTextJustification(Player& p, const Record& r) {
  if (!r.Has(2)) return;
  p.dc.breakCount = r.S16(0);
  p.dc.breakExtra = r.S16(1);
}

void SetMapperFlags(Player& p, const Record& r) {
  if (r.Has(2)) p.dc.mapperFlags = r.S16(0);
}

void SetWindowOrg(Player& p, const Record& r) { ReadPoint(r, p.dc.windowOrg); }
void SetViewportOrg(Player& p, const Record& r) { ReadPoint(r, p.dc.viewportOrg); }

// Extents only count in the scalable modes, and a zero extent is refused, as in GDI.
void SetExtent(Player& p, const Record& r, LogicalPoint& extent) {
  LogicalPoint e;
  if (!ReadPoint(r, e) || !Scalable(p.dc) || e.x == 0 || e.y == 0) return;
  extent = e;
}
void SetWindowExt(Player& p, const Record& r) { SetExtent(p, r, p.dc.windowExt); }
void SetViewportExt(Player& p, const Record& r) { SetExtent(p, r, p.dc.viewportExt); }

// Origins accumulate record after record; they saturate rather than overflow.
void Offset(const Record& r, LogicalPoint& origin) {
  LogicalPoint d;
  if (!ReadPoint(r, d)) return;
  origin.x = SaturatingAdd(origin.x, d.x);
  origin.y = SaturatingAdd(origin.y, d.y);
}
void OffsetWindowOrg(Player& p, const Record& r) { Offset(r, p.dc.windowOrg); }
void OffsetViewportOrg(Player& p, const Record& r) { Offset(r, p.dc.viewportOrg); }

// Parameters: y denominator, y numerator, x denominator, x numerator.
void Scale(Player& p, const Record& r, LogicalPoint& extent) {
  if (!r.Has(4) || !Scalable(p.dc)) return;
  const int yDen = r.S16(0), yNum = r.S16(1), xDen = r.S16(2), xNum = r.S16(3);
  if (xDen == 0 || yDen == 0) return;
  // Extents accumulate too; a scaling that would take one to 0 or past 32 bits is refused.
  const int64_t x = int64_t(extent.x) * xNum / xDen;
  const int64_t y = int64_t(extent.y) * yNum / yDen;
  if (x == 0 || y == 0 || x != SaturateToInt(x) || y != SaturateToInt(y)) return;
  extent = {int(x), int(y)};
}
void ScaleWindowExt(Player& p, const Record& r) { Scale(p, r, p.dc.windowExt); }
void ScaleViewportExt(Player& p, const Record& r) { Scale(p, r, p.dc.viewportExt); }

void Ignore(Player&, const Record&) {}

}  // namespace

void RegisterStateRecords(RecordTable& table) {
  table.Add(kSaveDC, SaveDC);
  table.Add(kRestoreDC, RestoreDC);
  table.Add(kSetBkMode, SetBkMode);
  table.Add(kSetMapMode, SetMapMode);
  table.Add(kSetRop2, SetRop2);
  table.Add(kSetRelAbs, Ignore);
  table.Add(kSetPolyFillMode, SetPolyFillMode);
  table.Add(kSetStretchBltMode, SetStretchBltMode);
  table.Add(kSetBkColor, SetBkColor);
  table.Add(kSetMapperFlags, SetMapperFlags);
  table.Add(kSetWindowOrg, SetWindowOrg);
  table.Add(kSetWindowExt, SetWindowExt);
  table.Add(kSetViewportOrg, SetViewportOrg);
  table.Add(kSetViewportExt, SetViewportExt);
  table.Add(kOffsetWindowOrg, OffsetWindowOrg);
  table.Add(kOffsetViewportOrg, OffsetViewportOrg);
  table.Add(kScaleWindowExt, ScaleWindowExt);
  table.Add(kScaleViewportExt, ScaleViewportExt);
  // Text state lives in the DC for everyone (mono pattern brushes use the text colour).
  table.Add(kSetTextColor, SetTextColor);
  table.Add(kSetTextAlign, SetTextAlign);
  table.Add(kSetTextCharExtra, SetTextCharExtra);
  table.Add(kSetTextJustification, SetTextJustification);
}

}  // namespace metafile
