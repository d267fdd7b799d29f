// A readable trace of one playback: each record (offset, name, size, first parameters)
// followed by the drawing calls it made, in canvas pixels, through the recording back end,
// and at the end a "note:" line for each kind of record the player could not use.
// Blits and text paint on the raster canvas directly, so they show as records only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vecrast::fidelity {

// Plays the placeable metafile `bytes` and writes the trace to `out`. False (and why)
// when the headers are refused.
bool DumpMetafile(const std::vector<uint8_t>& bytes, std::FILE* out, std::string& reason);

}  // namespace vecrast::fidelity
