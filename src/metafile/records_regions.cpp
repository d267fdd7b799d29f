// Clipping and region records.
#include <algorithm>
#include <cmath>
#include <vector>

#include "metafile/record_table.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

enum : uint16_t {
  kInvertRegion = 0x012A, kPaintRegion = 0x012B, kSelectClipRegion = 0x012C, kOffsetClipRgn = 0x0220,
  kFillRegion = 0x0228, kExcludeClipRect = 0x0415, kIntersectClipRect = 0x0416, kFrameRegion = 0x0429,
  kCreateRegion = 0x06FF,
};

// Region object layout, in words: next-in-chain, object type, object count (2), region
// size, scan count, largest scan, bounding box (4), then the scans. A scan is: count of
// x values, top, bottom, the x values (left, right pairs), and the count again.
constexpr size_t kRegionScanCount = 5;
constexpr size_t kRegionBounds = 7;
constexpr size_t kRegionScans = 11;

// The work of a region operation that visits `rects` rectangles, in budget units.
int64_t RegionWork(size_t rects) { return int64_t(rects) * cost::kRegionRect; }

size_t ClipRects(const Player& p) { return p.dc.clip ? p.dc.clip->Rects().size() : 1; }

// The rectangles of a region record's scans (or its bounds when it has none).
std::vector<IntRect> RegionRects(const Record& r) {
  std::vector<IntRect> rects;
  const size_t scans = r.U16(kRegionScanCount);
  size_t at = kRegionScans;
  for (size_t s = 0; s < scans && r.Has(at + 3); ++s) {
    const size_t xCount = r.U16(at);
    if (!r.Has(at + 4 + xCount)) break;
    const int top = r.S16(at + 1);
    const int bottom = r.S16(at + 2);
    for (size_t i = 0; i + 1 < xCount; i += 2) rects.push_back({r.S16(at + 3 + i), top, r.S16(at + 4 + i), bottom});
    at += 4 + xCount;
  }
  if (scans == 0) {
    rects.push_back({r.S16(kRegionBounds), r.S16(kRegionBounds + 1), r.S16(kRegionBounds + 2), r.S16(kRegionBounds + 3)});
  }
  return rects;
}

void CreateRegion(Player& p, const Record& r) {
  LogicalRegion region;
  if (!r.Has(kRegionScans)) {
    p.NoteBadRecord();
    p.objects.Add(std::move(region));
    return;
  }
  const std::vector<IntRect> rects = RegionRects(r);
  // Each added rectangle may be compared with every one kept before it.
  const int64_t kept = int64_t(std::min(rects.size(), Region::kMaxRects));
  if (p.backend.Charge(RegionWork(rects.size()) + kept * (kept + 1) / 2 * cost::kRegionCompare)) {
    for (const IntRect& rect : rects) region.rects.Add(rect);
  }
  p.objects.Add(std::move(region));
}

const LogicalRegion* RegionAt(const Player& p, size_t slot) {
  const GdiObject* object = p.objects.Get(slot);
  return object ? std::get_if<LogicalRegion>(object) : nullptr;
}

const Brush* BrushAt(const Player& p, size_t slot) {
  const GdiObject* object = p.objects.Get(slot);
  return object ? std::get_if<Brush>(object) : nullptr;
}

// An empty or unknown region removes the clip, as selecting no region does.
void SelectClipRegion(Player& p, const Record& r) {
  if (!r.Has(1)) return;
  const LogicalRegion* region = RegionAt(p, r.U16(0));
  if (!region) {
    p.dc.clip.reset();
    return;
  }
  if (!p.backend.Charge(RegionWork(2 * region->rects.Rects().size()))) return;
  p.SetClip(p.MapRegion(region->rects));
}

// Bottom, right, top, left.
IntRect ReadClipRect(const Player& p, const Record& r) {
  return p.MapRect(r.S16(3), r.S16(2), r.S16(1), r.S16(0));
}

void IntersectClipRect(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  if (!p.backend.Charge(RegionWork(3 * ClipRects(p)))) return;
  Region clip = p.CurrentClip();
  clip.IntersectWith(ReadClipRect(p, r));
  p.SetClip(std::move(clip));
}

void ExcludeClipRect(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  if (!p.backend.Charge(RegionWork(3 * ClipRects(p)))) return;
  Region clip = p.CurrentClip();
  clip.Exclude(ReadClipRect(p, r));
  p.SetClip(std::move(clip));
}

// y, x offsets in logical units.
void OffsetClipRgn(Player& p, const Record& r) {
  if (!r.Has(2) || !p.dc.clip) return;
  if (!p.backend.Charge(RegionWork(3 * ClipRects(p)))) return;
  const Transform t = p.ToCanvas();
  Region clip = *p.dc.clip;
  clip.Offset(RoundToPixel(r.S16(1) * t.scaleX), RoundToPixel(r.S16(0) * t.scaleY));
  p.SetClip(std::move(clip));
}

// Region, brush.
void FillRegion(Player& p, const Record& r) {
  if (!r.Has(2)) return p.NoteBadRecord();
  const LogicalRegion* region = RegionAt(p, r.U16(0));
  const Brush* brush = BrushAt(p, r.U16(1));
  if (!region || !brush || !p.backend.Charge(RegionWork(region->rects.Rects().size()))) return;
  Brush resolved = *brush;
  resolved.color = p.ResolveColor(brush->color);
  p.backend.FillRegion(p.MapRegion(region->rects), resolved, p.Style());
}

void PaintRegion(Player& p, const Record& r) {
  if (!r.Has(1)) return p.NoteBadRecord();
  const LogicalRegion* region = RegionAt(p, r.U16(0));
  if (!region || !p.backend.Charge(RegionWork(region->rects.Rects().size()))) return;
  const DrawStyle style = p.Style();
  p.backend.FillRegion(p.MapRegion(region->rects), style.brush, style);
}

void InvertRegion(Player& p, const Record& r) {
  if (!r.Has(1)) return p.NoteBadRecord();
  const LogicalRegion* region = RegionAt(p, r.U16(0));
  if (!region || !p.backend.Charge(RegionWork(region->rects.Rects().size()))) return;
  p.backend.InvertRegion(p.MapRegion(region->rects), p.Style());
}

// Regions of more rectangles than this are framed rectangle by rectangle, which keeps the
// work of a hostile region small.
constexpr size_t kMaxFramedRects = 256;

// The band of `region` within w pixels of its left or right edge or h pixels of its top
// or bottom: the region less the part that stays inside it when moved by w or h either
// way. Edges between the region's own rectangles are no edges.
Region RegionFrame(const Region& region, int w, int h) {
  if (region.Rects().size() > kMaxFramedRects) {
    Region frame;
    for (const IntRect& rect : region.Rects()) {
      Region band(rect);
      band.Exclude({rect.left + w, rect.top + h, rect.right - w, rect.bottom - h});
      for (const IntRect& piece : band.Rects()) frame.Add(piece);
    }
    return frame;
  }
  Region inner = region;
  const int moves[4][2] = {{w, 0}, {-w, 0}, {0, h}, {0, -h}};
  for (const auto& move : moves) {
    Region moved = region;
    moved.Offset(move[0], move[1]);
    inner.IntersectWith(moved);
  }
  Region frame = region;
  for (const IntRect& rect : inner.Rects()) frame.Exclude(rect);
  return frame;
}

// Region, brush, frame height, frame width: the band of the region within that distance
// of its edge.
void FrameRegion(Player& p, const Record& r) {
  if (!r.Has(4)) return p.NoteBadRecord();
  const LogicalRegion* region = RegionAt(p, r.U16(0));
  const Brush* brush = BrushAt(p, r.U16(1));
  if (!region || !brush) return;
  // Framing compares the region's rectangles with each other, four ways, then cuts.
  const int64_t rects = int64_t(region->rects.Rects().size());
  if (!p.backend.Charge(RegionWork(size_t(8 * rects * rects + rects)))) return;
  const Transform t = p.ToCanvas();
  const int w = std::max(1, RoundToPixel(std::fabs(r.S16(3) * t.scaleX)));
  const int h = std::max(1, RoundToPixel(std::fabs(r.S16(2) * t.scaleY)));
  const Region frame = RegionFrame(p.MapRegion(region->rects), w, h);
  Brush resolved = *brush;
  resolved.color = p.ResolveColor(brush->color);
  p.backend.FillRegion(frame, resolved, p.Style());
}

}  // namespace

void RegisterRegionRecords(RecordTable& table) {
  table.Add(kCreateRegion, CreateRegion);
  table.Add(kSelectClipRegion, SelectClipRegion);
  table.Add(kIntersectClipRect, IntersectClipRect);
  table.Add(kExcludeClipRect, ExcludeClipRect);
  table.Add(kOffsetClipRgn, OffsetClipRgn);
  table.Add(kFillRegion, FillRegion);
  table.Add(kPaintRegion, PaintRegion);
  table.Add(kInvertRegion, InvertRegion);
  table.Add(kFrameRegion, FrameRegion);
}

}  // namespace metafile
