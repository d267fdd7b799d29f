#include "app/end_program.h"

#include <cstdio>

namespace vecrast {

int EndProgram(int exitStatus) {
  std::fflush(stdout);
  std::fflush(stderr);
  return exitStatus;
}

}  // namespace vecrast
