// Writes the hostile metafiles the work budget is measured on, at their full sizes.
//   make_hostile_files FOLDER [KIND...]   writes FOLDER/KIND.wmf for every kind (or those named)
#include <cstdio>
#include <string>

#include "hostile_files.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_hostile_files FOLDER [KIND...]\n");
    return 1;
  }
  for (const hostile::Kind& kind : hostile::Kinds()) {
    bool wanted = argc == 2;
    for (int i = 2; i < argc; ++i) wanted = wanted || kind.name == std::string(argv[i]);
    if (!wanted) continue;
    const wmfw::Bytes bytes = kind.build(kind.full);
    const std::string path = std::string(argv[1]) + "/" + kind.name + ".wmf";
    if (!wmfw::WriteFile(path, bytes)) {
      std::perror(path.c_str());
      return 1;
    }
    std::printf("%-20s %10zu bytes  %s\n", kind.name, bytes.size(), kind.what);
  }
  return 0;
}
