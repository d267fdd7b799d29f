#include "zip_packer.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace icon_art {

namespace {

// 2026-01-01 00:00:00 UTC: the time stamp of every entry.
constexpr time_t kEntryTime = 1767225600;

la_ssize_t AppendToString(archive*, void* data, const void* buffer, size_t length) {
  static_cast<std::string*>(data)->append(static_cast<const char*>(buffer), length);
  return static_cast<la_ssize_t>(length);
}

struct WriterCloser {
  void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryCloser {
  void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

bool AddEntry(archive* writer, const ZipEntry& file) {
  std::unique_ptr<archive_entry, EntryCloser> entry(archive_entry_new());
  archive_entry_set_pathname(entry.get(), file.name.c_str());
  archive_entry_set_filetype(entry.get(), AE_IFREG);
  archive_entry_set_perm(entry.get(), 0644);
  archive_entry_set_size(entry.get(), static_cast<la_int64_t>(file.bytes.size()));
  archive_entry_set_mtime(entry.get(), kEntryTime, 0);
  if (archive_write_header(writer, entry.get()) != ARCHIVE_OK) return false;
  return file.bytes.empty() ||
         archive_write_data(writer, file.bytes.data(), file.bytes.size()) == static_cast<la_ssize_t>(file.bytes.size());
}

}  // namespace

std::string ZipArchiveBytes(const std::vector<ZipEntry>& entries, bool deflate) {
  std::string bytes;
  std::unique_ptr<archive, WriterCloser> writer(archive_write_new());
  if (!writer || archive_write_set_format_zip(writer.get()) != ARCHIVE_OK ||
      archive_write_set_options(writer.get(), deflate ? "zip:compression=deflate" : "zip:compression=store") != ARCHIVE_OK ||
      archive_write_set_bytes_in_last_block(writer.get(), 1) != ARCHIVE_OK ||
      archive_write_open(writer.get(), &bytes, nullptr, AppendToString, nullptr) != ARCHIVE_OK) {
    return {};
  }
  for (const ZipEntry& entry : entries) {
    if (!AddEntry(writer.get(), entry)) return {};
  }
  if (archive_write_close(writer.get()) != ARCHIVE_OK) return {};
  return bytes;
}

bool WriteZipArchive(const std::string& path, const std::vector<ZipEntry>& entries) {
  const std::string bytes = ZipArchiveBytes(entries);
  if (bytes.empty()) return false;
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace icon_art
