#include "metafile/metafile.h"

namespace metafile {

bool ReadPlaceableHeader(const uint8_t*, size_t, PlaceableHeader&, std::string& reason) {
  reason = "not built yet";
  return false;
}

bool ComputePlacement(const PlaceableHeader&, Placement&, std::string& reason) {
  reason = "not built yet";
  return false;
}

bool RenderPlaceableMetafile(const uint8_t*, size_t, Picture&, std::string& reason) {
  reason = "not built yet";
  return false;
}

}  // namespace metafile
