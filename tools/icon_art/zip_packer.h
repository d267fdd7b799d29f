// Packs files into a zip archive with libarchive: the shipped themes at build time, and the
// theme archives the tests write.
#pragma once

#include <string>
#include <vector>

namespace icon_art {

struct ZipEntry {
  std::string name;
  std::string bytes;
};

// The archive's bytes: every entry in order, deflated (or stored when `deflate` is false),
// with one fixed time stamp so that the same entries always give the same bytes. "" when
// libarchive refuses.
std::string ZipArchiveBytes(const std::vector<ZipEntry>& entries, bool deflate = true);

// Writes ZipArchiveBytes to `path` through a temporary file renamed over it. False when the
// archive cannot be made or written.
bool WriteZipArchive(const std::string& path, const std::vector<ZipEntry>& entries);

}  // namespace icon_art
