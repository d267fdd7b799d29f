#include "platform/console.h"

#include <cstdio>

namespace vecrast {

namespace {

void WriteLine(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

}  // namespace

void PrintLine(std::string_view text) { WriteLine(stdout, text); }

void PrintErrorLine(std::string_view text) {
  std::fflush(stdout);
  WriteLine(stderr, text);
}

}  // namespace vecrast
