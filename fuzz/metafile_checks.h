// The promises of the metafile player's interface, checked on one input. Shared by the
// fuzz target and by the replay of saved fuzz inputs in the test suite.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "metafile/metafile.h"

namespace metafile_checks {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kMaxSide = 32767;
constexpr uint64_t kMaxArea = uint64_t(1) << 28;

// Inputs whose canvas exceeds this many pixels are only checked up to the placement: the
// player may legitimately allocate 4 bytes per pixel, which would only measure memory.
constexpr uint64_t kMaxRenderedPixels = uint64_t(1) << 20;

// The work budget of a checked rendering: a small part of the player's own, so that every
// input stays quick under the sanitizers; running out of it is one more path to check.
constexpr int64_t kCheckedWorkUnits = int64_t(1) << 27;

inline std::string CheckHeader(const uint8_t* data, size_t size, bool read, const std::string& reason) {
  if (!read) return reason.empty() ? "ReadPlaceableHeader failed without a reason" : "";
  if (size < 22) return "ReadPlaceableHeader accepted fewer than 22 bytes";
  uint32_t key = 0;
  std::memcpy(&key, data, sizeof key);
  if (key != kPlaceableKey) return "ReadPlaceableHeader accepted a wrong key";
  return "";
}

inline std::string CheckPlacement(const metafile::Placement& p, bool computed, const std::string& reason) {
  if (!computed) return reason.empty() ? "ComputePlacement failed without a reason" : "";
  if (p.width <= 0 || p.height <= 0 || p.width > kMaxSide || p.height > kMaxSide) return "canvas side out of range";
  if (uint64_t(p.width) * uint64_t(p.height) > kMaxArea) return "canvas area over 2^28 pixels";
  const double box[] = {p.boxLeft, p.boxTop, p.boxRight, p.boxBottom};
  for (double v : box) {
    if (!std::isfinite(v)) return "box coordinate not finite";
  }
  // A box thinner than a pixel may round to nothing, but never turns over.
  if (p.boxLeft > p.boxRight || p.boxTop > p.boxBottom) return "inverted box";
  constexpr double kSlack = 1.0;  // the canvas is the box rounded to whole pixels
  if (p.boxLeft < -kSlack || p.boxTop < -kSlack || p.boxRight > p.width + kSlack || p.boxBottom > p.height + kSlack) {
    return "box outside the canvas";
  }
  return "";
}

inline std::string CheckPicture(const metafile::Picture& picture, const metafile::Placement& placement) {
  if (picture.width != placement.width || picture.height != placement.height) return "picture size differs from placement";
  if (picture.pixels.size() != size_t(picture.width) * size_t(picture.height)) return "pixel count differs from size";
  for (uint32_t pixel : picture.pixels) {
    if ((pixel >> 24) != 0xFF) return "pixel not opaque";
  }
  return "";
}

// Runs header, placement and rendering on the input and returns the first broken promise,
// or an empty string. With `twice`, the rendering is repeated and must give the same pixels.
inline std::string CheckPlayerOnInput(const uint8_t* data, size_t size, bool twice) {
  std::string reason;
  metafile::PlaceableHeader header;
  const bool read = metafile::ReadPlaceableHeader(data, size, header, reason);
  if (std::string broken = CheckHeader(data, size, read, reason); !broken.empty()) return broken;

  metafile::Placement placement;
  bool placed = false;
  if (read) {
    reason.clear();
    placed = metafile::ComputePlacement(header, placement, reason);
    if (std::string broken = CheckPlacement(placement, placed, reason); !broken.empty()) return broken;
    if (placed && uint64_t(placement.width) * uint64_t(placement.height) > kMaxRenderedPixels) return "";
  }

  metafile::Picture picture;
  reason.clear();
  const bool rendered = metafile::RenderPlaceableMetafile(data, size, picture, reason, nullptr, kCheckedWorkUnits);
  if (!rendered) return reason.empty() ? "RenderPlaceableMetafile failed without a reason" : "";
  if (!placed) return "rendered a file whose header or placement is refused";
  if (std::string broken = CheckPicture(picture, placement); !broken.empty()) return broken;
  if (twice) {
    metafile::Picture again;
    if (!metafile::RenderPlaceableMetafile(data, size, again, reason, nullptr, kCheckedWorkUnits) ||
        again.pixels != picture.pixels) {
      return "a second rendering of the same bytes differs";
    }
  }
  return "";
}

}  // namespace metafile_checks
