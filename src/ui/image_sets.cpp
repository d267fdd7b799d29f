#include "ui/image_sets.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <cstring>

#include "settings/settings.h"
#include "ui/embedded_files.h"
#include "ui/icon_keys.h"

namespace vecrast {

ImageSet GadgetImages;
ImageSet MenuIcons;
ImageSet ToolbarIcons;
wxBitmap BannerImage;

namespace {

wxBitmap DecodeEmbedded(const std::string& name) {
  for (const EmbeddedFile& file : EmbeddedFiles()) {
    if (name != file.name) continue;
    wxMemoryInputStream stream(file.bytes, file.size);
    wxImage image;
    if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG)) return {};
    return wxBitmap(image);
  }
  return {};
}

void FillSet(ImageSet& set, int pixelSize) {
  set.clear();
  for (std::string_view key : kIconKeys) set[std::string(key)] = BuiltinImage(std::string(key), pixelSize);
}

}  // namespace

int IconSizeForSetting(int uiSize) {
  switch (uiSize) {
    case 1: return 24;
    case 2: return 32;
    case 3: return 48;
    case 4: return 64;
    default: return 16;
  }
}

wxBitmap BuiltinImage(const std::string& key, int pixelSize) {
  return DecodeEmbedded(key + "_" + std::to_string(pixelSize) + ".png");
}

void LoadIcons() {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  BannerImage = DecodeEmbedded("banner.png");
  GadgetImages = {{"Convert", BuiltinImage("Convert", 64)},
                  {"InFiles", BuiltinImage("InFiles", 48)},
                  {"InFolder", BuiltinImage("InFolder", 48)}};
  FillSet(MenuIcons, 16);
  FillSet(ToolbarIcons, IconSizeForSetting(Settings.uiSize));
}

}  // namespace vecrast
