#include "ui/themes/theme_archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <functional>
#include <memory>

namespace vecrast {

namespace {

// libarchive reads the file through these callbacks, by position, so that each pass over the
// archive starts afresh on the one open descriptor and may seek to the zip directory at its end.
struct FileSource {
  int fd = -1;
  int64_t size = 0;
  int64_t offset = 0;
  char block[64 * 1024];
};

la_ssize_t ReadBlock(archive*, void* data, const void** block) {
  auto* source = static_cast<FileSource*>(data);
  *block = source->block;
  for (;;) {
    const ssize_t n = ::pread(source->fd, source->block, sizeof source->block, source->offset);
    if (n >= 0) {
      source->offset += n;
      return n;
    }
    if (errno != EINTR) return -1;
  }
}

la_int64_t SeekTo(archive*, void* data, la_int64_t offset, int whence) {
  auto* source = static_cast<FileSource*>(data);
  const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source->offset : source->size;
  if (offset < -base || offset > source->size - base) return ARCHIVE_FATAL;
  source->offset = base + offset;
  return source->offset;
}

la_int64_t SkipAhead(archive*, void* data, la_int64_t request) {
  auto* source = static_cast<FileSource*>(data);
  const int64_t step = std::min<int64_t>(std::max<int64_t>(request, 0), source->size - source->offset);
  source->offset += step;
  return step;
}

struct ReaderCloser {
  void operator()(archive* reader) const { archive_read_free(reader); }
};
using Reader = std::unique_ptr<archive, ReaderCloser>;

// Opens a zip reader over the file that starts from its directory (a zip without one is
// damaged, not read from its entries); null when the file is no zip archive.
Reader OpenReader(FileSource& source) {
  Reader reader(archive_read_new());
  if (!reader) return nullptr;
  archive_read_support_format_zip_seekable(reader.get());
  archive_read_set_read_callback(reader.get(), ReadBlock);
  archive_read_set_seek_callback(reader.get(), SeekTo);
  archive_read_set_skip_callback(reader.get(), SkipAhead);
  archive_read_set_callback_data(reader.get(), &source);
  if (archive_read_open1(reader.get()) != ARCHIVE_OK) return nullptr;
  return reader;
}

std::string EntryName(archive_entry* entry) {
  const char* name = archive_entry_pathname_utf8(entry);
  if (name == nullptr) name = archive_entry_pathname(entry);
  return name == nullptr ? std::string() : std::string(name);
}

// A name that could point outside the archive's own tree ("/..." or a ".." step) is never
// entered: nothing is unpacked to disk, but no such name is handed on either.
bool IsContainedName(const std::string& name) {
  if (name.empty() || name.front() == '/') return false;
  size_t start = 0;
  while (start <= name.size()) {
    const size_t end = std::min(name.find('/', start), name.size());
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

// Calls `visit` with each entry header, in archive order, until it returns false, the archive
// ends or fails, or kMaxEntries have been seen. False when not even one header can be read.
bool ForEachEntry(int fd, int64_t size, const std::function<bool(archive*, archive_entry*)>& visit) {
  auto source = std::make_unique<FileSource>();
  source->fd = fd;
  source->size = size;
  Reader reader = OpenReader(*source);
  if (!reader) return false;
  archive_entry* entry = nullptr;
  for (size_t seen = 0; seen < ThemeArchive::kMaxEntries; ++seen) {
    const int status = archive_read_next_header(reader.get(), &entry);
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN) return seen > 0;
    if (!visit(reader.get(), entry)) break;
  }
  return true;
}

// Up to `count` bytes of the current entry's data; fewer when the data ends or fails first.
std::string ReadData(archive* reader, size_t count) {
  std::string bytes(count, '\0');
  size_t filled = 0;
  while (filled < count) {
    const la_ssize_t n = archive_read_data(reader, bytes.data() + filled, count - filled);
    if (n <= 0) break;
    filled += static_cast<size_t>(n);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace

ThemeArchive::~ThemeArchive() {
  if (fd_ >= 0) ::close(fd_);
}

bool ThemeArchive::Open(const std::string& path) {
  // Non-blocking, so that a pipe or device under a theme's name cannot hold the open.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd_ < 0) return false;
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0 ||
      status.st_size > kMaxArchiveBytes) {
    return false;
  }
  size_ = status.st_size;
  entries_.clear();
  return ForEachEntry(fd_, size_, [this](archive*, archive_entry* entry) {
    const std::string name = EntryName(entry);
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0 && IsContainedName(name)) {
      entries_.emplace(name, archive_entry_size(entry));
    }
    return true;
  });
}

std::map<std::string, std::string> ThemeArchive::Unpack(const std::set<std::string>& names, int64_t sizeLimit) const {
  std::map<std::string, std::string> unpacked;
  std::set<std::string> wanted;
  for (const std::string& name : names) {
    const auto found = entries_.find(name);
    if (found != entries_.end() && found->second <= sizeLimit) wanted.insert(name);
  }
  if (wanted.empty() || fd_ < 0) return unpacked;
  ForEachEntry(fd_, size_, [&](archive* reader, archive_entry* entry) {
    const std::string name = EntryName(entry);
    if (wanted.erase(name) == 0) return true;
    const auto size = static_cast<size_t>(entries_.at(name));
    std::string bytes = ReadData(reader, size);
    if (bytes.size() == size) unpacked.emplace(name, std::move(bytes));
    return !wanted.empty();
  });
  return unpacked;
}

std::string ThemeArchive::UnpackStart(const std::string& name, size_t count) const {
  std::string bytes;
  if (fd_ < 0) return bytes;
  ForEachEntry(fd_, size_, [&](archive* reader, archive_entry* entry) {
    if (EntryName(entry) != name) return true;
    bytes = ReadData(reader, count);
    return false;
  });
  return bytes;
}

}  // namespace vecrast
