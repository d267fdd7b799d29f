#include "platform/console.h"

#include <cstdio>

namespace vecrast {

namespace {

void WriteLine(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
  // A closed pipe leaves the stream in error; the next line tries again.
  std::clearerr(stream);
}

}  // namespace

void PrintLine(std::string_view text) { WriteLine(stdout, text); }

void PrintErrorLine(std::string_view text) {
  std::fflush(stdout);
  WriteLine(stderr, text);
}

std::string NamingValue(std::string_view text, std::string_view value, std::string_view reason) {
  std::string line(text);
  line += ": \"";
  line += value;
  line += '"';
  if (!reason.empty()) {
    line += " (";
    line += reason;
    line += ')';
  }
  return line;
}

}  // namespace vecrast
