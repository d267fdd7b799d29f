#include "theme_fixture.h"

#include <sys/stat.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <cstring>

#include "ui/themes.h"

namespace vecrast::uitest {

std::string PngBytes(int width, int height, const wxColour& colour) {
  wxImage image(width, height);
  image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
  wxMemoryOutputStream stream;
  image.SaveFile(stream, wxBITMAP_TYPE_PNG);
  std::string bytes(stream.GetSize(), '\0');
  stream.CopyTo(bytes.data(), bytes.size());
  return bytes;
}

std::string ConfigText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

wxColour CentreColour(const wxBitmap& bitmap) {
  const wxImage image = bitmap.ConvertToImage();
  const int x = image.GetWidth() / 2, y = image.GetHeight() / 2;
  return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

bool SamePicture(const wxBitmap& a, const wxBitmap& b) {
  const wxImage first = a.ConvertToImage(), second = b.ConvertToImage();
  return first.GetSize() == second.GetSize() &&
         std::memcmp(first.GetData(), second.GetData(), static_cast<size_t>(first.GetWidth() * first.GetHeight() * 3)) == 0;
}

void ThemeTest::SetUp() {
  savedSettings_ = Settings;
  ResetSettings(false);
  ::mkdir(Gfx().c_str(), 0700);
  SetThemeFolder(Gfx());
  ThemeList.clear();
  LoadIcons();
}

void ThemeTest::TearDown() {
  SetThemeFolder({});
  ThemeList.clear();
  Settings = savedSettings_;
  LoadIcons();
}

std::string ThemeTest::WriteTheme(const std::string& key, const std::vector<icon_art::ZipEntry>& entries) {
  return WriteGfxFile(key + ".zip", icon_art::ZipArchiveBytes(entries));
}

std::string ThemeTest::WriteGfxFile(const std::string& name, const std::string& bytes) {
  const std::string path = Gfx() + name;
  testing::WriteFileBytes(path, bytes);
  return path;
}

}  // namespace vecrast::uitest
