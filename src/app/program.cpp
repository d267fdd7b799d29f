#include "app/program.h"

#include <cstdio>

namespace vecrast {

int RunProgram(int, char**) {
  std::fprintf(stderr, "vecrast: not built yet\n");
  return 1;
}

}  // namespace vecrast
