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
// Writing: UTF-8 with byte-order mark and an empty first line, CR LF line ends, "key = value".
// The whole text is written to a temporary file beside the target and renamed over it, so an
// existing file is only ever replaced by a complete one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vecrast {

// Files larger than this are not read: a configuration or profile is a few kilobytes.
inline constexpr std::size_t kMaxIniFileSize = 16 * 1024 * 1024;

struct IniEntry {
  std::string key;
  std::string value;  // without leading and trailing blanks and tabs
};

class IniFile {
 public:
  // Reads a whole file; false (and an empty file) when it cannot be read or is too large.
  bool Open(const std::string& path);
  // Takes the bytes of a file directly.
  void Parse(std::string_view bytes);

  // Selects the first group of that name; false when there is none (keys then read as defaults).
  bool SelectGroup(std::string_view group);

  // The raw value of the first entry of the selected group with that key: the text after "="
  // up to the end of the line. Empty when the key or the selected group does not exist.
  std::optional<std::string_view> FindValue(std::string_view key) const;

  std::string ReadText(std::string_view key, std::string_view fallback) const;
  int64_t ReadInteger(std::string_view key, int64_t fallback) const;
  double ReadReal(std::string_view key, double fallback) const;

  // The entries of the selected group in file order, duplicates included.
  std::vector<IniEntry> Entries() const;

 private:
  struct Entry {
    std::string key;
    std::string value;  // raw
  };
  struct Group {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> firstIndexByKey;  // lower-case key
  };

  void AddLine(std::string_view line);

  std::vector<Group> groups_;
  std::unordered_map<std::string, std::size_t> firstGroupByName_;  // lower-case name
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

  // Writes the text to path (temporary file in the same folder, then rename). False, and the
  // old file untouched, when that fails.
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
// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);
// ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

}  // namespace vecrast
