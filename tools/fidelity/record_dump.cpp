#include "fidelity/record_dump.h"

#include <algorithm>
#include <cinttypes>

#include "base/little_endian.h"
#include "metafile/record_loop.h"
#include "metafile/recording_backend.h"
#include "metafile/render.h"

namespace vecrast::fidelity {

namespace {

struct NamedRecord {
  uint16_t function;
  const char* name;
};

constexpr NamedRecord kRecordNames[] = {
    {0x0000, "EOF"}, {0x001E, "SAVEDC"}, {0x0035, "REALIZEPALETTE"}, {0x0037, "SETPALENTRIES"},
    {0x00F7, "CREATEPALETTE"}, {0x0102, "SETBKMODE"}, {0x0103, "SETMAPMODE"}, {0x0104, "SETROP2"},
    {0x0105, "SETRELABS"}, {0x0106, "SETPOLYFILLMODE"}, {0x0107, "SETSTRETCHBLTMODE"},
    {0x0108, "SETTEXTCHAREXTRA"}, {0x0127, "RESTOREDC"}, {0x012A, "INVERTREGION"}, {0x012B, "PAINTREGION"},
    {0x012C, "SELECTCLIPREGION"}, {0x012D, "SELECTOBJECT"}, {0x012E, "SETTEXTALIGN"}, {0x0139, "RESIZEPALETTE"},
    {0x0142, "DIBCREATEPATTERNBRUSH"}, {0x0149, "SETLAYOUT"}, {0x01F0, "DELETEOBJECT"},
    {0x01F9, "CREATEPATTERNBRUSH"}, {0x0201, "SETBKCOLOR"}, {0x0209, "SETTEXTCOLOR"},
    {0x020A, "SETTEXTJUSTIFICATION"}, {0x020B, "SETWINDOWORG"}, {0x020C, "SETWINDOWEXT"},
    {0x020D, "SETVIEWPORTORG"}, {0x020E, "SETVIEWPORTEXT"}, {0x020F, "OFFSETWINDOWORG"},
    {0x0211, "OFFSETVIEWPORTORG"}, {0x0213, "LINETO"}, {0x0214, "MOVETO"}, {0x0220, "OFFSETCLIPRGN"},
    {0x0228, "FILLREGION"}, {0x0231, "SETMAPPERFLAGS"}, {0x0234, "SELECTPALETTE"}, {0x02FA, "CREATEPENINDIRECT"},
    {0x02FB, "CREATEFONTINDIRECT"}, {0x02FC, "CREATEBRUSHINDIRECT"}, {0x0324, "POLYGON"}, {0x0325, "POLYLINE"},
    {0x0410, "SCALEWINDOWEXT"}, {0x0412, "SCALEVIEWPORTEXT"}, {0x0415, "EXCLUDECLIPRECT"},
    {0x0416, "INTERSECTCLIPRECT"}, {0x0418, "ELLIPSE"}, {0x0419, "FLOODFILL"}, {0x041B, "RECTANGLE"},
    {0x041F, "SETPIXEL"}, {0x0429, "FRAMEREGION"}, {0x0436, "ANIMATEPALETTE"}, {0x0521, "TEXTOUT"},
    {0x0538, "POLYPOLYGON"}, {0x0548, "EXTFLOODFILL"}, {0x061C, "ROUNDRECT"}, {0x061D, "PATBLT"},
    {0x0626, "ESCAPE"}, {0x06FF, "CREATEREGION"}, {0x0817, "ARC"}, {0x081A, "PIE"}, {0x0830, "CHORD"},
    {0x0922, "BITBLT"}, {0x0940, "DIBBITBLT"}, {0x0A32, "EXTTEXTOUT"}, {0x0B23, "STRETCHBLT"},
    {0x0B41, "DIBSTRETCHBLT"}, {0x0D33, "SETDIBTODEV"}, {0x0F43, "STRETCHDIB"},
};

constexpr size_t kParamsShown = 12;
constexpr size_t kPointsShown = 16;

void PrintRecord(const metafile::RecordInfo& r, std::FILE* out) {
  const std::string name = RecordName(r.function);
  std::fprintf(out, "@%zu %s (0x%04X) %" PRIu32 " words:", r.offset, name.empty() ? "?" : name.c_str(),
               unsigned(r.function), r.sizeWords);
  const size_t words = r.paramBytes / 2;
  for (size_t i = 0; i < std::min(words, kParamsShown); ++i) {
    std::fprintf(out, " %d", int(base::ReadLeS16(r.params + 2 * i)));
  }
  if (words > kParamsShown) std::fprintf(out, " ...");
  std::fputc('\n', out);
}

// COLORREF (0x00BBGGRR) as #RRGGBB.
unsigned Rgb(metafile::ColorRef c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

void PrintCall(const metafile::RecordedCall& call, std::FILE* out) {
  const metafile::DrawStyle& s = call.style;
  std::fprintf(out, "    %s pen=%u/%g/#%06X brush=%u/#%06X rop2=%d", call.kind.c_str(), unsigned(s.pen.style),
               s.penWidth, Rgb(s.pen.color), unsigned(s.brush.style), Rgb(s.brush.color), int(s.rop2));
  if (call.kind != "shape") std::fprintf(out, " colour=#%06X", Rgb(call.color));
  if (call.fillPolygons || call.outlines) std::fprintf(out, " fills=%zu outlines=%zu", call.fillPolygons, call.outlines);
  for (size_t i = 0; i < std::min(call.points.size(), kPointsShown); ++i) {
    std::fprintf(out, " (%g,%g)", call.points[i].x, call.points[i].y);
  }
  if (call.points.size() > kPointsShown) std::fprintf(out, " ... %zu points", call.points.size());
  for (const metafile::IntRect& r : call.rects) std::fprintf(out, " [%d,%d %d,%d]", r.left, r.top, r.right, r.bottom);
  std::fputc('\n', out);
}

}  // namespace

std::string RecordName(uint16_t function) {
  for (const NamedRecord& r : kRecordNames) {
    if (r.function == function) return r.name;
  }
  return {};
}

bool DumpMetafile(const std::vector<uint8_t>& bytes, std::FILE* out, std::string& reason) {
  metafile::PlaceableHeader header;
  metafile::Placement placement;
  if (!metafile::ReadPlaceableHeader(bytes.data(), bytes.size(), header, reason)) return false;
  if (!metafile::ComputePlacement(header, placement, reason)) return false;
  std::fprintf(out, "box %d,%d %d,%d, %u units per inch; canvas %dx%d, box at %g,%g %g,%g\n", header.left,
               header.top, header.right, header.bottom, unsigned(header.unitsPerInch), placement.width,
               placement.height, placement.boxLeft, placement.boxTop, placement.boxRight, placement.boxBottom);
  metafile::RecordingBackend backend;
  size_t printed = 0;
  auto flushCalls = [&] {
    for (; printed < backend.Calls().size(); ++printed) PrintCall(backend.Calls()[printed], out);
  };
  const metafile::RecordObserver observer = [&](const metafile::RecordInfo& record) {
    flushCalls();
    PrintRecord(record, out);
  };
  metafile::PlaySummary summary;
  if (!metafile::PlayPlaceableMetafile(bytes.data(), bytes.size(), header, placement, backend, reason, &summary,
                                       &observer)) {
    return false;
  }
  flushCalls();
  std::fprintf(out, "%zu records, %zu handled%s%s\n", summary.records, summary.handled,
               summary.reachedEndRecord ? "" : ", no end record", summary.stoppedOnBadSize ? ", stopped on a bad size" : "");
  return true;
}

}  // namespace vecrast::fidelity
