// The placeable header and where the picture lands on the canvas.
#include <cmath>
#include <cstdint>

#include "base/little_endian.h"
#include "metafile/metafile.h"

namespace metafile {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeaderBytes = 22;
constexpr int kMaxSide = 32767;
constexpr int64_t kMaxArea = int64_t(1) << 28;

constexpr auto U16At = base::ReadLe16;

// Half away from zero, on the quotient held as a 32-bit float.
int64_t RoundQuotient(float q) {
  const double v = double(q);
  return int64_t(v > 0 ? std::floor(v + 0.5) : std::ceil(v - 0.5));
}

}  // namespace

bool ReadPlaceableHeader(const uint8_t* data, size_t size, PlaceableHeader& header, std::string& reason) {
  if (!data || size < kPlaceableHeaderBytes) {
    reason = "the file is shorter than a placeable header";
    return false;
  }
  const uint32_t key = uint32_t(U16At(data)) | (uint32_t(U16At(data + 2)) << 16);
  if (key != kPlaceableKey) {
    reason = "the file is not a placeable metafile";
    return false;
  }
  header.left = int16_t(U16At(data + 6));
  header.top = int16_t(U16At(data + 8));
  header.right = int16_t(U16At(data + 10));
  header.bottom = int16_t(U16At(data + 12));
  header.unitsPerInch = U16At(data + 14);
  return true;
}

bool ComputePlacement(const PlaceableHeader& header, Placement& placement, std::string& reason) {
  if (header.unitsPerInch == 0) {
    reason = "the units per inch are 0";
    return false;
  }
  if (header.right <= header.left || header.bottom <= header.top) {
    reason = "the placeable box is empty";
    return false;
  }
  const float upp = float(header.unitsPerInch) / 96.0f;
  const int ox = header.left < 0 ? header.left : 0;
  const int oy = header.top < 0 ? header.top : 0;
  const int64_t width = RoundQuotient(float(header.right - ox) / upp);
  const int64_t height = RoundQuotient(float(header.bottom - oy) / upp);
  if (width <= 0 || height <= 0) {
    reason = "the picture size is not positive";
    return false;
  }
  if (width > kMaxSide || height > kMaxSide || width * height > kMaxArea) {
    reason = "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + " pixels)";
    return false;
  }
  placement.width = int(width);
  placement.height = int(height);
  // The box lands on whole pixels, as a playback rectangle does.
  placement.boxLeft = double(RoundQuotient(float(header.left - ox) / upp));
  placement.boxTop = double(RoundQuotient(float(header.top - oy) / upp));
  placement.boxRight = double(RoundQuotient(float(header.right - ox) / upp));
  placement.boxBottom = double(RoundQuotient(float(header.bottom - oy) / upp));
  return true;
}

}  // namespace metafile
