// A small INI reader and writer: the configuration file and the command-line profiles.
//
// Reading: a file that starts with the UTF-8 byte-order mark is UTF-8; a file without it is UTF-8
// when every byte sequence in it is valid UTF-8, otherwise ISO 8859-1 (converted to UTF-8).
// Lines end at CR, LF or CR LF; leading blanks and tabs are skipped and empty lines ignored.
// ";" starts a comment, "[" a group header (the name runs to the next "]" or the end of the line),
// and any other line is an entry "key = value" (a line without "=" is a key with an empty value).
// Groups and keys are found without regard to ASCII letter case; the first match wins. Entries
// before the first header belong to no group.
//
// The reader keeps the text and one offset per group header, and finds entries by reading the
// selected group's lines when asked: its memory stays within about twice the file's size
// whatever the file holds.
//
// Writing: UTF-8 with byte-order mark and an empty first line, CR LF line ends, "key = value".
// The whole text replaces the file only as a complete file (ReplaceFile).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vecrast {

// Files larger than this are not read: a configuration or profile is a few kilobytes.
inline constexpr std::size_t kMaxIniFileSize = 16 * 1024 * 1024;

class IniFile {
 public:
  using EntryVisitor = std::function<void(std::string_view key, std::string_view value)>;

  // Reads a whole file (a pipe too) of at most kMaxIniFileSize bytes; false, an empty file
  // and why in `reason` when it cannot be read, is a folder or device, or is too large.
  bool Open(const std::string& path, std::string& reason);
  bool Open(const std::string& path);
  // Takes the bytes of a file directly.
  void Parse(std::string bytes);

  // Selects the first group of that name; false when there is none (keys then read as defaults).
  bool SelectGroup(std::string_view group);

  // The raw value of the first entry of the selected group with that key: the text after "="
  // up to the end of the line. Empty when the key or the selected group does not exist.
  std::optional<std::string_view> FindValue(std::string_view key) const;

  std::string ReadText(std::string_view key, std::string_view fallback) const;
  int64_t ReadInteger(std::string_view key, int64_t fallback) const;
  double ReadReal(std::string_view key, double fallback) const;

  // Calls `visit` with each entry of the selected group in file order, duplicates included:
  // the key (trailing blanks and tabs removed) and the value without its outer blanks and tabs.
  void ForEachEntry(const EntryVisitor& visit) const;

 private:
  // Calls `visit(key, rawValue)` for the entries of the selected group until it returns false.
  template <typename Visit>
  void VisitEntries(Visit&& visit) const;

  std::string text_;                    // UTF-8
  std::vector<uint32_t> groupHeaders_;  // offset of each header line's "[", in file order
  static constexpr std::size_t kNoGroup = static_cast<std::size_t>(-1);
  std::size_t selected_ = kNoGroup;
};

class IniWriter {
 public:
  IniWriter();

  // Starts a group; the header is written the first time a group is selected.
  void SelectGroup(std::string_view group);
  // Line breaks inside a key or value are dropped: they would split the entry.
  void WriteText(std::string_view key, std::string_view value);
  void WriteInteger(std::string_view key, int64_t value);
  void WriteReal(std::string_view key, double value);
  // Writes ";" + " " + text.
  void WriteComment(std::string_view text);

  const std::string& Bytes() const { return bytes_; }

  // Replaces the file at `path` with the text (ReplaceFile: complete or not at all, links
  // written through, a write-protected file left alone). False, and why in `reason`, when
  // that fails.
  bool Save(const std::string& path, std::string& reason) const;
  bool Save(const std::string& path) const;

 private:
  void WriteLine(std::string_view line);

  std::string bytes_;
  std::vector<std::string> groupsSeen_;
};

// Value encodings shared by the configuration file, profiles and the debug dump.

// Leading blanks and tabs skipped, an optional sign, then decimal digits up to the first other
// character; no digits give 0. Saturates at the limits of int64_t.
int64_t ParseIniInteger(std::string_view text);
// Leading decimal floating-point number (sign, digits, point, digits, exponent), 0 when there is
// none; "+Infinity", "-Infinity" and "NaN" in any letter case give those values. The result
// has the precision of a 32-bit float.
double ParseIniReal(std::string_view text);
// Six decimals, or "+Infinity", "-Infinity", "NaN".
std::string FormatIniReal(double value);

}  // namespace vecrast
