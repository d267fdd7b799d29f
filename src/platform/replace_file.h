// Writing a file the user owns: the configuration and every saved picture go through here,
// with one rule for what is written and how durably.
#pragma once

#include <string>
#include <string_view>

namespace vecrast {

// Replaces the file at `path` with `bytes`. The file is at every moment either the old one or
// the complete new one: the bytes go to a temporary file beside the target, which is flushed
// to the disk (fsync), renamed over the target, and the folder is flushed after the rename.
// A symbolic link is written through (the file it points to is replaced, the link stays); the
// new file keeps the permission bits of the one it replaces. An existing target that is
// write-protected or is not a regular file is left alone. False, with `reason` naming what
// failed, when any step fails; the target is then untouched and no temporary file is left.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& reason);

// The file a write to `path` reaches: symbolic links followed (the last one may point at a
// file that does not exist yet). False, with the reason, for a loop of links.
bool ResolveWriteTarget(const std::string& path, std::string& target, std::string& reason);

// True when an existing file may not be replaced: its permission bits allow no writing, or
// the current user may not write it. False for a file that does not exist.
bool IsWriteProtected(const std::string& path);

}  // namespace vecrast
