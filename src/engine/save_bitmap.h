// Saving a bitmap so that the target file is replaced only by a complete one.
#pragma once

#include <FreeImage.h>

#include <string>

namespace vecrast {

// Encodes the bitmap with FreeImage in memory and writes it with ReplaceFile: the target is
// replaced only by a complete, flushed file; a symbolic link is written through; an existing
// target that is write-protected is left alone. Returns false (and why, in `reason`) when the
// bitmap is null, the library refuses, or the file cannot be written completely; no
// temporary file is left behind and an existing target is left as it was.
bool SaveBitmapReplacing(FIBITMAP* bitmap, int formatId, const std::string& path, int flags, std::string& reason);

}  // namespace vecrast
