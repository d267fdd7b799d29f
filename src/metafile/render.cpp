#include "metafile/render.h"

#include <algorithm>
#include <cmath>

#include "metafile/mapping.h"
#include "metafile/player.h"
#include "metafile/raster_backend.h"
#include "metafile/record_table.h"

namespace metafile {

namespace {

constexpr size_t kPlaceableHeaderBytes = 22;

// The picture's device as playback through a picture frame sets it up: the box's size is
// recorded in whole hundredths of a millimetre, the viewport is that size in whole device
// pixels (96 per inch), and the frame's exact pixel size is then stretched onto the box's
// rectangle on the canvas. The roundings matter: on small pictures they move the drawing
// by a pixel against a direct window-to-box mapping.
struct PictureDevice {
  int viewportWidth = 1;
  int viewportHeight = 1;
  double scaleX = 1;
  double scaleY = 1;
};

PictureDevice DeviceFor(int boxUnits, int boxUnitsHigh, uint16_t unitsPerInch, const Placement& placement) {
  auto side = [unitsPerInch](int units, double rectPixels, int& viewport, double& scale) {
    const double hundredthsOfMm = std::round(units * 2540.0 / unitsPerInch);
    const double framePixels = hundredthsOfMm * 96.0 / 2540.0;
    viewport = std::max(1, int(std::lround(framePixels)));
    scale = framePixels > 0 ? rectPixels / framePixels : 1.0;
  };
  PictureDevice d;
  side(boxUnits, placement.boxRight - placement.boxLeft, d.viewportWidth, d.scaleX);
  side(boxUnitsHigh, placement.boxBottom - placement.boxTop, d.viewportHeight, d.scaleY);
  return d;
}

}  // namespace

bool PlayPlaceableMetafile(const uint8_t* data, size_t size, const PlaceableHeader& header,
                           const Placement& placement, Backend& backend, std::string& reason,
                           PlaySummary* summary, const RecordObserver* observer) {
  if (!data || size < kPlaceableHeaderBytes) {
    reason = "the file is shorter than a placeable header";
    return false;
  }
  const uint8_t* body = data + kPlaceableHeaderBytes;
  const size_t bodySize = size - kPlaceableHeaderBytes;
  MetafileHeader mfHeader;
  if (!ReadMetafileHeader(body, bodySize, mfHeader, reason)) return false;

  const int boxWidth = header.right - header.left;
  const int boxHeight = header.bottom - header.top;
  // The window starts as the box and the viewport as the box's device pixels; the frame
  // puts the device origin at the box's corner on the canvas.
  const PictureDevice device = DeviceFor(boxWidth, boxHeight, header.unitsPerInch, placement);
  Frame frame;
  frame.originX = placement.boxLeft;
  frame.originY = placement.boxTop;
  frame.scaleX = device.scaleX;
  frame.scaleY = device.scaleY;
  Player player(backend, frame,
                InitialDcState(header.left, header.top, boxWidth, boxHeight, device.viewportWidth,
                               device.viewportHeight),
                IntRect{0, 0, placement.width, placement.height}, mfHeader.objectCount);
  PlaySummary played = PlayRecords(body, bodySize, mfHeader, player, AllRecords(), observer);
  played.missingGlyphs = player.MissingGlyphs();
  if (summary) *summary = played;
  // A file cut short: the records stop before the end record and the header promised
  // more. Writers often count the placeable header in that size, so that much is allowed.
  const uint64_t declaredBytes = uint64_t(mfHeader.sizeWords) * 2;
  if (!played.reachedEndRecord && declaredBytes > uint64_t(bodySize) + kPlaceableHeaderBytes) {
    reason = "the metafile is truncated";
    return false;
  }
  return true;
}

bool RenderPlaceableMetafile(const uint8_t* data, size_t size, Picture& picture, std::string& reason,
                             RenderStats* stats) {
  PlaceableHeader header;
  Placement placement;
  if (!ReadPlaceableHeader(data, size, header, reason)) return false;
  if (!ComputePlacement(header, placement, reason)) return false;
  Canvas canvas(placement.width, placement.height);
  RasterBackend backend(canvas);
  PlaySummary summary;
  if (!PlayPlaceableMetafile(data, size, header, placement, backend, reason, &summary)) return false;
  if (stats) stats->missingGlyphs = summary.missingGlyphs;
  picture.width = canvas.Width();
  picture.height = canvas.Height();
  picture.pixels = std::move(canvas.Pixels());
  return true;
}

}  // namespace metafile
