#include "app/program.h"

int main(int argc, char** argv) { return vecrast::RunProgram(argc, argv); }
