// A theme's zip archive, read in place with libarchive and treated as hostile: only a regular
// file of bounded size is opened, its directory is read once into an entry table, and entries
// are unpacked into memory (never to disk), each into a buffer of its recorded size.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace vecrast {

// Entry name to uncompressed size in bytes; entries of size 0 or of unknown size, and names
// that step out of the archive's tree ("/..." or ".."), are left out.
using ThemeEntryTable = std::map<std::string, int64_t>;

class ThemeArchive {
 public:
  static constexpr int64_t kMaxArchiveBytes = 64 << 20;
  static constexpr size_t kMaxEntries = 4096;

  ThemeArchive() = default;
  ~ThemeArchive();
  ThemeArchive(const ThemeArchive&) = delete;
  ThemeArchive& operator=(const ThemeArchive&) = delete;

  // Opens the archive at `path` and reads its directory. False when `path` is not a regular
  // file of 1 byte to kMaxArchiveBytes, or does not read as a zip archive.
  bool Open(const std::string& path);

  const ThemeEntryTable& Entries() const { return entries_; }

  // The bytes of each entry of `names` that the entry table lists with a size up to
  // `sizeLimit`. An entry whose data is shorter than its recorded size, or does not unpack,
  // is left out; data beyond the recorded size is never read.
  std::map<std::string, std::string> Unpack(const std::set<std::string>& names, int64_t sizeLimit) const;

  // At most the first `count` bytes of the entry `name`, whatever size it records; "" when the
  // archive has no such entry.
  std::string UnpackStart(const std::string& name, size_t count) const;

 private:
  int fd_ = -1;
  int64_t size_ = 0;
  ThemeEntryTable entries_;
};

}  // namespace vecrast
