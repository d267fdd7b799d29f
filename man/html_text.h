// Text made safe for HTML: the writer of the option reference puts every text through it.
#pragma once

#include <string>
#include <string_view>

namespace vecrast::manual {

// `text` with &, <, >, " and ' written as character references, so that it shows as written in
// element content and in quoted attribute values.
std::string EscapeHtml(std::string_view text);

}  // namespace vecrast::manual
