// Shortening a long file name for a one-line display.
#pragma once

#include <string>

namespace vecrast {

// When `text` (UTF-8) has more than `maximum` characters, keeps its first n and last n
// characters with "..." between them, n = (maximum - 3) / 2 rounded down; otherwise returns
// it unchanged. Characters are counted as code points, so a name is never cut inside one.
std::string ShortenForDisplay(const std::string& text, int maximum);

}  // namespace vecrast
