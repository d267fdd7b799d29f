// A readable trace of one playback: each record (offset, name, size, first parameters)
// followed by the drawing calls it made, in canvas pixels, through the recording back end.
// Blits and text paint on the raster canvas directly, so they show as records only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vecrast::fidelity {

// The record's name (`EXTTEXTOUT`), or empty for an unknown function number.
std::string RecordName(uint16_t function);

// Plays the placeable metafile `bytes` and writes the trace to `out`. False (and why)
// when the headers are refused.
bool DumpMetafile(const std::vector<uint8_t>& bytes, std::FILE* out, std::string& reason);

}  // namespace vecrast::fidelity
