// The names of the metafile records, for notes and record dumps.
#pragma once

#include <cstdint>
#include <string>

namespace metafile {

// The record's name (`EXTTEXTOUT`), or empty for an unknown function number.
std::string RecordName(uint16_t function);

}  // namespace metafile
