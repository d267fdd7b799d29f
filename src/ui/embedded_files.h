// Files compiled into the window module (the built-in icon images), generated at build time.
#pragma once

#include <cstddef>
#include <vector>

namespace vecrast {

struct EmbeddedFile {
  const char* name;  // file name, e.g. "New_16.png"
  const unsigned char* bytes;
  size_t size;
};

// Every embedded file, sorted by name.
const std::vector<EmbeddedFile>& EmbeddedFiles();

}  // namespace vecrast
