// A back end that paints nothing and keeps a log of what it was asked to draw, with the
// mapped coordinates and the colours: tests check the parsing and mapping with it.
#pragma once

#include <string>
#include <vector>

#include "metafile/backend.h"

namespace metafile {

struct RecordedCall {
  std::string kind;                 // "shape", "pixel", "floodfill", "fillregion", "invertregion", "coverage"
  std::vector<DevicePoint> points;  // shape: fill polygons then outline points, in order
  DrawStyle style;                  // clip pointer is not kept
  ColorRef color = 0;               // pixel, flood fill, coverage colour
  std::vector<IntRect> rects;       // regions
  size_t fillPolygons = 0;
  size_t outlines = 0;
};

class RecordingBackend : public Backend {
 public:
  void DrawShape(const Shape& shape, const DrawStyle& style) override;
  void SetPixel(int x, int y, ColorRef color, const DrawStyle& style) override;
  void FloodFill(int x, int y, ColorRef color, bool surface, const DrawStyle& style) override;
  void FillRegion(const Region& region, const Brush& brush, const DrawStyle& style) override;
  void InvertRegion(const Region& region, const DrawStyle& style) override;
  void PaintCoverage(const CoverageMask& mask, ColorRef color, const DrawStyle& style) override;

  const std::vector<RecordedCall>& Calls() const { return calls_; }

 private:
  RecordedCall& Add(const std::string& kind, const DrawStyle& style);
  std::vector<RecordedCall> calls_;
};

}  // namespace metafile
