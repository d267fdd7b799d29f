#include <cstdio>
#include <new>

#include "app/program.h"

int main(int argc, char** argv) {
  // An allocation failure that escapes the run fails it with a message instead of aborting.
  try {
    return vecrast::RunProgram(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("Error: not enough memory\n", stderr);
    return 1;
  }
}
