// Saving a bitmap so that the target file is replaced only by a complete one.
#pragma once

#include <FreeImage.h>

#include <string>

namespace vecrast {

// Saves the bitmap with FreeImage into a new temporary file in the target's folder, then
// renames it over `path`. Returns false (and why, in `reason`) when the bitmap is null, the
// folder does not take the temporary file, the library refuses, or the rename fails; no
// temporary file is left behind and an existing target is left as it was.
bool SaveBitmapReplacing(FIBITMAP* bitmap, int formatId, const std::string& path, int flags, std::string& reason);

}  // namespace vecrast
