// Playback of a placeable metafile onto any back end; RenderPlaceableMetafile (metafile.h)
// is this with the raster back end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "metafile/backend.h"
#include "metafile/metafile.h"
#include "metafile/record_loop.h"

namespace metafile {

// Reads the headers, sets up the frame for `placement` and plays every record into
// `backend` (`observer`, when given, sees each record first). False (and why) when the
// metafile header is unusable.
bool PlayPlaceableMetafile(const uint8_t* data, size_t size, const PlaceableHeader& header,
                           const Placement& placement, Backend& backend, std::string& reason,
                           PlaySummary* summary = nullptr, const RecordObserver* observer = nullptr);

}  // namespace metafile
