// The metafile player's public interface: the bytes of a placeable Windows metafile in,
// a 32-bit picture on white out. Nothing here knows of files, settings or image libraries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace metafile {

// The 22-byte placeable header, as stored.
struct PlaceableHeader {
  int16_t left = 0;
  int16_t top = 0;
  int16_t right = 0;
  int16_t bottom = 0;
  uint16_t unitsPerInch = 0;
};

// Where the picture lands at 96 pixels per inch: the canvas size and the rectangle the
// placeable box occupies on it (canvas pixels, possibly fractional).
struct Placement {
  int width = 0;
  int height = 0;
  double boxLeft = 0;
  double boxTop = 0;
  double boxRight = 0;
  double boxBottom = 0;
};

// A rendered picture: width × height pixels, top row first, each pixel 0xAARRGGBB with
// alpha 0xFF (so in memory on little-endian machines: blue, green, red, alpha).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  // What playback could not do, one sentence each: records it could not use, drawing left
  // out for lack of memory, the work budget running out. Empty for a clean file.
  std::vector<std::string> notes;
};

// The work one rendering may do before it stops and keeps what it has drawn, in units of
// about a nanosecond (see work_budget.h): about six seconds.
constexpr int64_t kDefaultWorkUnits = int64_t(6) << 30;

// Reads the placeable header. Returns false (and why, in `reason`) when the data is too
// short or the key is not the placeable key.
bool ReadPlaceableHeader(const uint8_t* data, size_t size, PlaceableHeader& header, std::string& reason);

// Computes the canvas and the box rectangle for a header. Returns false (and why) when the
// units per inch are 0, the box is empty, or the canvas is not positive or exceeds the
// size limits (32767 pixels on a side, 2^28 pixels in all).
bool ComputePlacement(const PlaceableHeader& header, Placement& placement, std::string& reason);

// What a rendering drew that its pixels do not tell.
struct RenderStats {
  size_t missingGlyphs = 0;  // characters drawn as the missing-glyph box
};

// Renders a whole placeable metafile, doing at most `workUnits` of work. Returns false (and
// why) when the header or the placement is refused, the records are unusable or memory
// runs out for the picture; a picture is then not produced.
bool RenderPlaceableMetafile(const uint8_t* data, size_t size, Picture& picture, std::string& reason,
                             RenderStats* stats = nullptr, int64_t workUnits = kDefaultWorkUnits);

}  // namespace metafile
