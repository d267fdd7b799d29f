#include "app/fill_placeholders.h"

#include <array>

namespace vecrast {

namespace {

bool PlaceholderAt(const std::string& text, size_t at, char digit) {
  return at + 4 <= text.size() && text[at] == '%' && (text[at + 1] == 's' || text[at + 1] == 'S') &&
         text[at + 2] == digit && text[at + 3] == '%';
}

std::string ReplacePlaceholder(const std::string& text, char digit, const std::string& value) {
  std::string result;
  result.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    if (PlaceholderAt(text, at, digit)) {
      result += value;
      at += 4;
    } else {
      result += text[at++];
    }
  }
  return result;
}

}  // namespace

std::string FillPlaceholders(std::string text, const std::string& s1, const std::string& s2,
                             const std::string& s3, const std::string& s4) {
  const std::array<const std::string*, 4> values{&s1, &s2, &s3, &s4};
  for (size_t k = 0; k < values.size(); ++k) {
    if (!values[k]->empty()) text = ReplacePlaceholder(text, static_cast<char>('1' + k), *values[k]);
  }
  return text;
}

}  // namespace vecrast
