#include "ui/preferences/text_cleaning.h"

namespace vecrast::prefs {

std::string CleanFieldText(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\t' && c != '\r' && c != '\n') kept += c;
  }
  const size_t first = kept.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = kept.find_last_not_of(' ');
  return kept.substr(first, last - first + 1);
}

}  // namespace vecrast::prefs
