// The platform's choosers the preferences open: colour, font and the watermark image file.
// Tests install their own answers here instead of a modal system dialog.
#pragma once

#include <functional>
#include <optional>
#include <string>

class wxWindow;

namespace vecrast::prefs {

struct FontChoice {
  std::string face;
  int pointSize = 0;
  bool bold = false;
  bool italic = false;
  bool underlined = false;
  bool struckThrough = false;
};

struct Choosers {
  // Preset "RRGGBB"; the picked colour as "RRGGBB", nothing when cancelled.
  std::function<std::optional<std::string>(wxWindow* parent, const std::string& preset)> colour;
  std::function<std::optional<FontChoice>(wxWindow* parent, const std::string& face, int pointSize)> font;
  // The chosen file's path, nothing when cancelled.
  std::function<std::optional<std::string>(wxWindow* parent, const std::string& current)> watermarkImage;
};

// Installs choosers; a member left empty uses the platform's dialog. Choosers{} restores all.
void SetChoosers(Choosers choosers);

std::optional<std::string> ChooseColour(wxWindow* parent, const std::string& preset);
std::optional<FontChoice> ChooseFont(wxWindow* parent, const std::string& face, int pointSize);
std::optional<std::string> ChooseWatermarkImage(wxWindow* parent, const std::string& current);

}  // namespace vecrast::prefs
