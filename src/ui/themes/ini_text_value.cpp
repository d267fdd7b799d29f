// IniTextValue: one value of the INI-like "theme.cfg", looked up the way theme files have
// always been read, quirks included (see themes.h).
#include "base/ascii_case.h"
#include "ui/themes.h"

namespace vecrast {

namespace {

std::string TrimBlanksAndLineEnds(const std::string& text) {
  constexpr const char* kBlanks = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::string IniTextValue(const std::string& text, const std::string& section, const std::string& key) {
  const size_t sectionStart = base::FindIgnoringAsciiCase(text, "[" + section + "]");
  if (sectionStart == std::string::npos) return {};
  size_t sectionEnd = text.find('[', sectionStart + 1);
  if (sectionEnd == std::string::npos) sectionEnd = text.size();
  // Only a line start is looked for, so a longer key that begins with `key` matches as well.
  const size_t keyLine = base::FindIgnoringAsciiCase(text, "\r\n" + key, sectionStart);
  if (keyLine == std::string::npos || keyLine >= sectionEnd) return {};
  const size_t lineStart = keyLine + 2;
  const size_t lineEnd = text.find("\r\n", lineStart);
  if (lineEnd == std::string::npos) return {};
  const std::string line = text.substr(lineStart, lineEnd - lineStart);
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return {};
  const size_t nextEquals = line.find('=', equals + 1);
  const size_t valueEnd = nextEquals == std::string::npos ? line.size() : nextEquals;
  return TrimBlanksAndLineEnds(line.substr(equals + 1, valueEnd - equals - 1));
}

}  // namespace vecrast
