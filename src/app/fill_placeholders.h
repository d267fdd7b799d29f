// The message formatter of the console and the windows.
#pragma once

#include <string>

namespace vecrast {

// Replaces every "%s1%" .. "%s4%" in `text` (placeholder letters in any case) by s1 .. s4, in
// that order. An empty value leaves its placeholder in the text.
std::string FillPlaceholders(std::string text, const std::string& s1, const std::string& s2 = {},
                             const std::string& s3 = {}, const std::string& s4 = {});

}  // namespace vecrast
