#include "metafile/recording_backend.h"

namespace metafile {

RecordedCall& RecordingBackend::Add(const std::string& kind, const DrawStyle& style) {
  RecordedCall call;
  call.kind = kind;
  call.style = style;
  call.style.clip = nullptr;
  calls_.push_back(std::move(call));
  return calls_.back();
}

void RecordingBackend::DrawShape(const Shape& shape, const DrawStyle& style) {
  RecordedCall& call = Add("shape", style);
  if (!shape.fillWithBrush) call.style.brush.style = kBrushNull;
  for (const auto& polygon : shape.fill) call.points.insert(call.points.end(), polygon.begin(), polygon.end());
  for (const Polyline& line : shape.outline) {
    call.points.insert(call.points.end(), line.points.begin(), line.points.end());
  }
  call.fillPolygons = shape.fill.size();
  call.outlines = shape.outline.size();
}

void RecordingBackend::SetPixel(int x, int y, ColorRef color, const DrawStyle& style) {
  RecordedCall& call = Add("pixel", style);
  call.points.push_back({double(x), double(y)});
  call.color = color;
}

void RecordingBackend::FloodFill(int x, int y, ColorRef color, bool, const DrawStyle& style) {
  RecordedCall& call = Add("floodfill", style);
  call.points.push_back({double(x), double(y)});
  call.color = color;
}

void RecordingBackend::FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) {
  RecordedCall& call = Add("fillregion", style);
  call.style.brush = brush;
  call.rects = region.Rects();
}

void RecordingBackend::InvertRegion(const Region& region, const DrawStyle& style) {
  Add("invertregion", style).rects = region.Rects();
}

void RecordingBackend::PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) {
  RecordedCall& call = Add("coverage", style);
  call.rects.push_back(mask.bounds);
  call.color = color;
}

}  // namespace metafile
