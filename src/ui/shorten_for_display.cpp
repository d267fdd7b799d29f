#include "ui/shorten_for_display.h"

#include "ui/wx_text.h"

namespace vecrast {

std::string ShortenForDisplay(const std::string& text, int maximum) {
  const wxString characters = ToWx(text);
  if (maximum < 0 || characters.length() <= static_cast<size_t>(maximum)) return text;
  const size_t keep = static_cast<size_t>(std::max(0, (maximum - 3) / 2));
  return FromWx(characters.Left(keep) + "..." + characters.Right(keep));
}

}  // namespace vecrast
