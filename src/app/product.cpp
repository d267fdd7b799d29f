#include "app/product.h"

#include <algorithm>

namespace vecrast {

std::string VersionText(int versionNumber) {
  // A point before the second and (counting that point) the fourth character: 250 -> 2.5.0.
  const std::string digits = std::to_string(versionNumber);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i == 1 || i == 2) text += '.';
    text += digits[i];
  }
  if (!text.empty() && text.back() == '0') text.resize(std::min<size_t>(3, text.size()));
  return text;
}

std::string WindowTitle(const std::string& productTitle, int versionNumber) {
  return productTitle + " " + VersionText(versionNumber);
}

}  // namespace vecrast
