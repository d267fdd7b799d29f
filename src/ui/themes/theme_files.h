// Where a theme's archive is and how its 8-bit text is read; shared by the theme list and
// the theme loader.
#pragma once

#include <string>

namespace vecrast {

// The archive of theme `key` in the theme folder; "" when there is no theme folder or the key
// could name something outside it (empty, "." or "..", or holding "/").
std::string ThemeArchivePath(const std::string& key);

// Bytes of "theme.cfg" as the text they spell: up to the first zero byte, like a text read
// into a zero-filled buffer.
std::string TextUpToZero(const std::string& bytes);

// 8-bit text for the window: kept when it is valid UTF-8, else read as ISO 8859-1.
std::string EightBitTextToUtf8(const std::string& text);

}  // namespace vecrast
