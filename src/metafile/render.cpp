#include "metafile/render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "metafile/mapping.h"
#include "metafile/player.h"
#include "metafile/raster_backend.h"
#include "metafile/record_names.h"
#include "metafile/record_table.h"
#include "metafile/work_budget.h"

namespace metafile {

namespace {

constexpr size_t kPlaceableHeaderBytes = 22;
constexpr char kOutOfMemory[] = "there is not enough memory to play the metafile";

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

std::string NameOf(uint16_t function) {
  const std::string name = RecordName(function);
  if (!name.empty()) return name;
  char number[16];
  std::snprintf(number, sizeof number, "0x%04X", unsigned(function));
  return number;
}

bool Play(const uint8_t* data, size_t size, const PlaceableHeader& header, const Placement& placement,
          Backend& backend, std::string& reason, PlaySummary* summary, const RecordObserver* observer) {
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
  if (!played.reachedEndRecord && !played.stoppedOnBudget &&
      declaredBytes > uint64_t(bodySize) + kPlaceableHeaderBytes) {
    reason = "the metafile is truncated";
    return false;
  }
  return true;
}

bool Render(const uint8_t* data, size_t size, Picture& picture, std::string& reason, RenderStats* stats,
            int64_t workUnits) {
  PlaceableHeader header;
  Placement placement;
  if (!ReadPlaceableHeader(data, size, header, reason)) return false;
  if (!ComputePlacement(header, placement, reason)) return false;
  Canvas canvas(placement.width, placement.height);
  if (!canvas.Allocated()) {
    reason = "there is not enough memory for a picture of " + std::to_string(placement.width) + " x " +
             std::to_string(placement.height) + " pixels";
    return false;
  }
  RasterBackend backend(canvas, workUnits);
  backend.Charge(int64_t(placement.width) * placement.height * cost::kCanvasPixel);
  PlaySummary summary;
  if (!PlayPlaceableMetafile(data, size, header, placement, backend, reason, &summary)) return false;
  picture.notes = PlaybackNotes(summary);
  if (backend.FiguresWithoutMemory() > 0) {
    picture.notes.push_back(std::to_string(backend.FiguresWithoutMemory()) +
                            " figures were left out: there was not enough memory for them");
  }
  if (stats) stats->missingGlyphs = summary.missingGlyphs;
  picture.width = canvas.Width();
  picture.height = canvas.Height();
  picture.pixels = std::move(canvas.Pixels());
  return true;
}

}  // namespace

bool PlayPlaceableMetafile(const uint8_t* data, size_t size, const PlaceableHeader& header,
                           const Placement& placement, Backend& backend, std::string& reason,
                           PlaySummary* summary, const RecordObserver* observer) {
  try {
    return Play(data, size, header, placement, backend, reason, summary, observer);
  } catch (const std::bad_alloc&) {
    reason = kOutOfMemory;
    return false;
  }
}

std::vector<std::string> PlaybackNotes(const PlaySummary& summary) {
  std::vector<std::string> notes;
  // One note per kind of record, in the order the first of each kind came.
  std::vector<std::pair<RecordPlace, size_t>> kinds;
  for (const RecordPlace& bad : summary.badRecords) {
    const auto same = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const auto& kind) { return kind.first.function == bad.function; });
    if (same == kinds.end()) {
      kinds.push_back({bad, 1});
    } else {
      ++same->second;
    }
  }
  for (const auto& [first, count] : kinds) {
    notes.push_back((count == 1 ? "a " + NameOf(first.function) + " record could not be used (byte "
                                : std::to_string(count) + " " + NameOf(first.function) +
                                      " records could not be used (the first at byte ") +
                    std::to_string(kPlaceableHeaderBytes + first.offset) + ")");
  }
  if (summary.badRecordCount > summary.badRecords.size()) {
    notes.push_back(std::to_string(summary.badRecordCount - summary.badRecords.size()) +
                    " more records could not be used");
  }
  if (summary.stoppedOnBudget) {
    notes.push_back("the work budget ran out at a " + NameOf(summary.budgetSpentAt.function) + " record (byte " +
                    std::to_string(kPlaceableHeaderBytes + summary.budgetSpentAt.offset) +
                    "): the records from there on were not drawn");
  }
  return notes;
}

bool RenderPlaceableMetafile(const uint8_t* data, size_t size, Picture& picture, std::string& reason,
                             RenderStats* stats, int64_t workUnits) {
  try {
    return Render(data, size, picture, reason, stats, workUnits);
  } catch (const std::bad_alloc&) {
    picture = Picture{};
    reason = kOutOfMemory;
    return false;
  }
}

}  // namespace metafile
