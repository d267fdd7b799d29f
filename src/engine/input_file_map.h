// The input files of a run: full input path to a marker and the input's folder relative to
// the folder it was found under ("" or ending in "/"). Filled before the worker starts; the
// worker visits it in the map's own order.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace vecrast {

struct InputFileEntry {
  int32_t marker = 0;
  std::string subfolder;
};

inline std::unordered_map<std::string, InputFileEntry> InputFileMap;

}  // namespace vecrast
