// Reading a whole file that the user named: a profile, the configuration, a language file,
// a metafile, a watermark picture. Every such file is opened the same way: without blocking
// (a FIFO or a device cannot hang the open), then checked for what it is, then read up to a
// bound so that no file can make the program take unbounded memory.
#pragma once

#include <cstddef>
#include <string>

namespace vecrast {

enum class FileKinds {
  kRegular,        // regular files only
  kRegularOrPipe,  // also FIFOs, sockets and pipes (--profile=<(...), /dev/stdin)
};

// Reads the file at `path` into `bytes`. A pipe is read until its writer closes it; one
// without a writer reads as empty. False, with `reason` saying why ("it is a folder", "it is
// larger than 16 MiB", the system's message), when it cannot be opened or read, is not of an
// accepted kind, or holds more than `limit` bytes; `bytes` is then empty.
bool ReadWholeFile(const std::string& path, std::size_t limit, FileKinds kinds, std::string& bytes,
                   std::string& reason);

// The kind of file a stat mode names, for messages: "a folder", "a device", ...
const char* FileKindName(unsigned mode);

// A byte count as a message shows it: "16 MiB", "300 bytes".
std::string ByteCountText(std::size_t bytes);

}  // namespace vecrast
