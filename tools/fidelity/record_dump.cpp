#include "fidelity/record_dump.h"

#include <algorithm>
#include <cinttypes>

#include "base/little_endian.h"
#include "metafile/record_loop.h"
#include "metafile/record_names.h"
#include "metafile/recording_backend.h"
#include "metafile/render.h"

namespace vecrast::fidelity {

namespace {

constexpr size_t kParamsShown = 12;
constexpr size_t kPointsShown = 16;

void PrintRecord(const metafile::RecordInfo& r, std::FILE* out) {
  const std::string name = metafile::RecordName(r.function);
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
  for (const std::string& note : metafile::PlaybackNotes(summary)) std::fprintf(out, "note: %s\n", note.c_str());
  return true;
}

}  // namespace vecrast::fidelity
