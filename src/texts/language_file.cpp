#include "texts/language_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "texts/ascii_case.h"

namespace vecrast {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads a regular file of at most `limit` bytes. O_NONBLOCK keeps a FIFO or device path from
// blocking the open; anything but a regular file is refused after it.
bool ReadRegularFile(const std::string& path, size_t limit, std::string& bytes) {
  if (path.find('\0') != std::string::npos) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
            static_cast<size_t>(info.st_size) <= limit;
  if (ok) {
    bytes.assign(static_cast<size_t>(info.st_size), '\0');
    size_t filled = 0;
    while (filled < bytes.size()) {
      const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        ok = false;
        break;
      }
      if (got == 0) break;  // the file shrank while it was read
      filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
  }
  ::close(fd);
  return ok;
}

// Calls `visit` with each line of `text` that is not empty after its leading blanks and tabs are
// removed. Lines end at a carriage return, a line feed or both; the empty lines that a pair
// leaves between them are skipped like any other.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = TrimLeadingBlanks(text.substr(0, end));
    if (!line.empty() && !visit(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

std::string_view HeaderName(std::string_view line) {
  line.remove_prefix(1);  // "["
  return line.substr(0, line.find(']'));
}

}  // namespace

bool LanguageFile::Open(const std::string& path) {
  text_.clear();
  std::string bytes;
  if (!ReadRegularFile(path, kMaxFileSize, bytes)) return false;
  OpenBytes(bytes);
  return true;
}

void LanguageFile::OpenBytes(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) {
    text_.assign(bytes.substr(kUtf8ByteOrderMark.size()));
  } else {
    text_ = Latin1ToUtf8(bytes);
  }
}

void LanguageFile::ForEachEntry(std::string_view name, const EntryVisitor& visit) const {
  bool inSection = false;
  ForEachLine(text_, [&](std::string_view line) {
    if (line.front() == ';') return true;
    if (line.front() == '[') {
      if (inSection) return false;  // the section ends at the next header
      inSection = EqualsIgnoringAsciiCase(HeaderName(line), name);
      return true;
    }
    if (!inSection) return true;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return true;  // neither header, comment nor entry
    visit(TrimTrailingBlanks(line.substr(0, equals)),
          TrimTrailingBlanks(TrimLeadingBlanks(line.substr(equals + 1))));
    return true;
  });
}

}  // namespace vecrast
