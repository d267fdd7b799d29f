// The temporary files a save writes beside its target before renaming them over it. They are
// named ".vecrast-<process id>-<number>.tmp": hidden, and recognisable as left over once
// their process is gone.
#pragma once

#include <string>

#include "platform/file_descriptor.h"

namespace vecrast {

// Creates a new, empty temporary file in `folder` (ending in "/") with permission bits `mode`
// (before the umask), open for writing, and registers it for removal should the process be
// interrupted before the file is kept or discarded. False, with the system's reason, when the
// folder takes no new file.
bool CreateTemporaryFile(const std::string& folder, unsigned mode, FileDescriptor& file, std::string& path,
                         std::string& reason);

// Removes the temporary file and forgets it.
void DiscardTemporaryFile(const std::string& path);

// Forgets the temporary file without removing it: it has been renamed into place.
void KeepTemporaryFile(const std::string& path);

// Removes every registered temporary file. Safe to call from a signal handler.
void RemoveTemporaryFilesNow();

// Removes the temporary files in `folder` that runs ended outright (killed, power lost) left
// behind: those of this user whose process no longer exists. Each folder is looked at once
// per process.
void RemoveStaleTemporaryFiles(const std::string& folder);

}  // namespace vecrast
