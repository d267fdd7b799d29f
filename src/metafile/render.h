// Playback of a placeable metafile onto any back end; RenderPlaceableMetafile (metafile.h)
// is this with the raster back end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "metafile/backend.h"
#include "metafile/metafile.h"
#include "metafile/record_loop.h"

namespace metafile {

// Reads the headers, sets up the frame for `placement` and plays every record into
// `backend` (`observer`, when given, sees each record first). False (and why) when the
// metafile header is unusable or memory runs out.
bool PlayPlaceableMetafile(const uint8_t* data, size_t size, const PlaceableHeader& header,
                           const Placement& placement, Backend& backend, std::string& reason,
                           PlaySummary* summary = nullptr, const RecordObserver* observer = nullptr);

// What a playback could not do, as the sentences of Picture::notes: the records its
// handlers could not use, grouped by kind, and where the work budget ran out.
std::vector<std::string> PlaybackNotes(const PlaySummary& summary);

}  // namespace metafile
