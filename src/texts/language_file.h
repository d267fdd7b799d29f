// Read-only access to a language file: an INI file whose sections are named like the text
// table's groups and whose entries are key = text. The file is hostile input: it is read whole,
// up to a size limit, and any bytes are accepted.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vecrast {

class LanguageFile {
 public:
  using EntryVisitor = std::function<void(std::string_view key, std::string_view value)>;

  // Larger files are refused rather than read.
  static constexpr size_t kMaxFileSize = 16u << 20;

  // Reads the file. False, and nothing held, when the path names no readable regular file or the
  // file exceeds kMaxFileSize. A file starting with the UTF-8 byte-order mark is UTF-8; any other
  // is taken as ISO 8859-1 and converted to UTF-8.
  bool Open(const std::string& path);

  // Opens text already in memory, with the same decoding as a file's bytes.
  void OpenBytes(std::string_view bytes);

  // Calls `visit` for each entry of the first section whose name equals `name` without regard
  // to ASCII letter case, in file order: the key as written (trailing blanks and tabs removed),
  // the value with its leading and trailing blanks and tabs removed. A key may come more than
  // once; the first entry is the one that counts.
  void ForEachEntry(std::string_view name, const EntryVisitor& visit) const;

 private:
  std::string text_;  // UTF-8
};

}  // namespace vecrast
