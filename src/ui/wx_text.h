// Text between the program (UTF-8 std::string) and the toolkit (wxString).
#pragma once

#include <wx/string.h>

#include <string>

namespace vecrast {

inline wxString ToWx(const std::string& text) { return wxString::FromUTF8(text.data(), text.size()); }
inline std::string FromWx(const wxString& text) { return text.utf8_string(); }

}  // namespace vecrast
