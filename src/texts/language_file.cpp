#include "texts/language_file.h"

#include "base/ascii_case.h"
#include "base/text_lines.h"
#include "base/trim.h"
#include "base/utf8.h"
#include "platform/read_file.h"

namespace vecrast {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool LanguageFile::Open(const std::string& path) {
  text_.clear();
  std::string bytes;
  std::string reason;
  if (!ReadWholeFile(path, kMaxFileSize, FileKinds::kRegular, bytes, reason)) return false;
  OpenBytes(bytes);
  return true;
}

void LanguageFile::OpenBytes(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) {
    text_.assign(bytes.substr(kUtf8ByteOrderMark.size()));
  } else {
    text_ = base::Latin1ToUtf8(bytes);
  }
}

void LanguageFile::ForEachEntry(std::string_view name, const EntryVisitor& visit) const {
  bool inSection = false;
  base::ForEachLine(text_, [&](std::string_view line) {
    if (line.front() == ';') return true;
    if (line.front() == '[') {
      if (inSection) return false;  // the section ends at the next header
      inSection = base::EqualsIgnoringAsciiCase(base::HeaderName(line), name);
      return true;
    }
    if (!inSection) return true;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return true;  // neither header, comment nor entry
    visit(base::TrimBlanks(line.substr(0, equals)), base::TrimBlanks(line.substr(equals + 1)));
    return true;
  });
}

}  // namespace vecrast
