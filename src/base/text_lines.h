// The lines of the INI-like texts: configuration, profiles, language files.
#pragma once

#include <algorithm>
#include <string_view>

namespace base {

// Calls `visit` with each line of `text` that is not empty once its leading blanks and tabs are
// removed, until `visit` returns false. Lines end at a carriage return, a line feed or both; the
// empty line a pair leaves between them is skipped like any other. Each line is a view into
// `text`.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (!line.empty() && !visit(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

// The name of a header line "[name]": from after the "[" to the next "]" or the end of the line.
constexpr std::string_view HeaderName(std::string_view line) {
  line.remove_prefix(1);
  return line.substr(0, line.find(']'));
}

}  // namespace base
