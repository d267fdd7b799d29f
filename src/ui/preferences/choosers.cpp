#include "ui/preferences/choosers.h"

#include <wx/colordlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/fontdlg.h>

#include "texts/texts.h"
#include "ui/preferences/colour_text.h"
#include "ui/wx_text.h"

namespace vecrast::prefs {

namespace {

Choosers installed;

std::optional<std::string> PlatformColour(wxWindow* parent, const std::string& preset) {
  const ColourParts parts = ColourPartsOf(preset);
  wxColourData data;
  data.SetColour(wxColour(parts.red, parts.green, parts.blue));
  wxColourDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  const wxColour picked = dialog.GetColourData().GetColour();
  return ColourText({picked.Red(), picked.Green(), picked.Blue()});
}

std::optional<FontChoice> PlatformFont(wxWindow* parent, const std::string& face, int pointSize) {
  wxFontData data;
  wxFontInfo info(pointSize > 0 && pointSize < 1000 ? pointSize : 10);
  data.SetInitialFont(wxFont(info.FaceName(ToWx(face))));
  wxFontDialog dialog(parent, data);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  const wxFont font = dialog.GetFontData().GetChosenFont();
  if (!font.IsOk()) return std::nullopt;
  return FontChoice{FromWx(font.GetFaceName()), font.GetPointSize(),
                    font.GetWeight() >= wxFONTWEIGHT_BOLD, font.GetStyle() != wxFONTSTYLE_NORMAL,
                    font.GetUnderlined(), font.GetStrikethrough()};
}

// The picture types the watermark step loads.
std::string WatermarkImageWildcard() {
  const std::string png = "*.png";
  const std::string bmp = "*.bmp;*.rle;*.dib";
  const std::string jpeg = "*.jpg;*.jpeg;*.jpe;*.jif";
  const std::string all = png + ";" + bmp + ";" + jpeg;
  return "Portable Network Graphics (" + png + ")|" + png + "|Windows or OS/2 Bitmap (" + bmp + ")|" + bmp +
         "|JPEG File (" + jpeg + ")|" + jpeg + "|" + GetText("Dialog", "All Supported Files") + " (" + all + ")|" +
         all + "|" + GetText("Dialog", "All Files") + " (*.*)|*.*";
}

constexpr int kAllSupportedFilter = 3;

std::optional<std::string> PlatformWatermarkImage(wxWindow* parent, const std::string& current) {
  const wxFileName file(ToWx(current));
  wxFileDialog dialog(parent, ToWx(GetText("Dialog", "Select Watermark Image")), file.GetPath(),
                      file.GetFullName(), ToWx(WatermarkImageWildcard()), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  dialog.SetFilterIndex(kAllSupportedFilter);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return FromWx(dialog.GetPath());
}

}  // namespace

void SetChoosers(Choosers choosers) { installed = std::move(choosers); }

std::optional<std::string> ChooseColour(wxWindow* parent, const std::string& preset) {
  return installed.colour ? installed.colour(parent, preset) : PlatformColour(parent, preset);
}

std::optional<FontChoice> ChooseFont(wxWindow* parent, const std::string& face, int pointSize) {
  return installed.font ? installed.font(parent, face, pointSize) : PlatformFont(parent, face, pointSize);
}

std::optional<std::string> ChooseWatermarkImage(wxWindow* parent, const std::string& current) {
  return installed.watermarkImage ? installed.watermarkImage(parent, current)
                                  : PlatformWatermarkImage(parent, current);
}

}  // namespace vecrast::prefs
