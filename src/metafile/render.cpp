#include "metafile/render.h"

#include "metafile/mapping.h"
#include "metafile/player.h"
#include "metafile/raster_backend.h"
#include "metafile/record_table.h"

namespace metafile {

namespace {
constexpr size_t kPlaceableHeaderBytes = 22;
}  // namespace

bool PlayPlaceableMetafile(const uint8_t* data, size_t size, const PlaceableHeader& header,
                           const Placement& placement, Backend& backend, std::string& reason,
                           PlaySummary* summary) {
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
  // The picture's device is the canvas at 96 pixels per inch, its origin at the box's
  // corner; the window starts as the box and the viewport as the box's pixels.
  Frame frame;
  frame.originX = placement.boxLeft;
  frame.originY = placement.boxTop;
  const int viewportWidth = int(placement.boxRight - placement.boxLeft);
  const int viewportHeight = int(placement.boxBottom - placement.boxTop);
  Player player(backend, frame,
                InitialDcState(header.left, header.top, boxWidth, boxHeight, viewportWidth, viewportHeight),
                IntRect{0, 0, placement.width, placement.height}, mfHeader.objectCount);
  const PlaySummary played = PlayRecords(body, bodySize, mfHeader, player, AllRecords());
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

bool RenderPlaceableMetafile(const uint8_t* data, size_t size, Picture& picture, std::string& reason) {
  PlaceableHeader header;
  Placement placement;
  if (!ReadPlaceableHeader(data, size, header, reason)) return false;
  if (!ComputePlacement(header, placement, reason)) return false;
  Canvas canvas(placement.width, placement.height);
  RasterBackend backend(canvas);
  if (!PlayPlaceableMetafile(data, size, header, placement, backend, reason)) return false;
  picture.width = canvas.Width();
  picture.height = canvas.Height();
  picture.pixels = std::move(canvas.Pixels());
  return true;
}

}  // namespace metafile
