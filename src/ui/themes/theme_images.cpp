// LoadThemeImages: the active theme's pictures in place of the built-in ones.
#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/ascii_case.h"
#include "platform/file_status.h"
#include "settings/settings.h"
#include "ui/icon_keys.h"
#include "ui/image_sets.h"
#include "ui/themes.h"
#include "ui/themes/theme_archive.h"
#include "ui/themes/theme_files.h"

namespace vecrast {

namespace {

// Bounds on what a theme may hand us: a theme's "theme.cfg" is a few hundred bytes and its
// pictures are icons, so anything far beyond these is skipped as no part of a theme.
constexpr int64_t kMaxConfigBytes = 64 << 10;
constexpr int64_t kMaxImageBytes = 4 << 20;
constexpr uint32_t kMaxImageSide = 1024;
// The size the sized-file rule uses for the form's images and the menu icons.
constexpr int kNamedSize = 16;

// One image a theme may replace: where it goes, the size it is shown at, the entry it is in.
struct ImageSlot {
  ImageSet* set;
  std::string key;
  int shownSize;
  std::string entry;
};

uint32_t BigEndian32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

// A PNG signature and a header whose picture is of icon size, looked at before the decoder
// sees the bytes, so that a header claiming a huge picture never reaches an allocation.
bool IsIconSizedPng(const std::string& bytes) {
  static const std::string kSignature("\x89PNG\r\n\x1a\n", 8);
  if (bytes.size() < 24 || bytes.compare(0, 8, kSignature) != 0 || bytes.compare(12, 4, "IHDR") != 0) return false;
  const uint32_t width = BigEndian32(bytes, 16), height = BigEndian32(bytes, 20);
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

// Scales the picture to fit a size x size square, keeping its proportions, centred on a
// transparent background.
wxImage FitIntoSquare(wxImage image, int size) {
  const int width = image.GetWidth(), height = image.GetHeight();
  if (width == size && height == size) return image;
  const double scale = std::min(static_cast<double>(size) / width, static_cast<double>(size) / height);
  const int fittedWidth = std::max(1, static_cast<int>(std::lround(width * scale)));
  const int fittedHeight = std::max(1, static_cast<int>(std::lround(height * scale)));
  image.Rescale(fittedWidth, fittedHeight, wxIMAGE_QUALITY_HIGH);
  if (!image.HasAlpha()) image.InitAlpha();
  image.Resize(wxSize(size, size), wxPoint((size - fittedWidth) / 2, (size - fittedHeight) / 2));
  return image;
}

// The picture for a place `shownSize` pixels square; an invalid bitmap when the bytes are no
// PNG of icon size or do not decode.
wxBitmap DecodeThemeImage(const std::string& bytes, int shownSize) {
  if (!IsIconSizedPng(bytes)) return {};
  const wxLogNull quiet;  // a corrupt file is skipped, not reported
  wxMemoryInputStream stream(bytes.data(), bytes.size());
  wxImage image;
  if (!image.LoadFile(stream, wxBITMAP_TYPE_PNG) || !image.IsOk()) return {};
  return wxBitmap(FitIntoSquare(image, shownSize));
}

void AddSlots(std::vector<ImageSlot>& slots, const std::string& config, ImageSet& set, const char* section,
              const std::string& key, int namedSize, int shownSize) {
  const std::string entry = ThemeImageFileName(IniTextValue(config, section, key), namedSize);
  if (!entry.empty()) slots.push_back({&set, key, shownSize, entry});
}

std::vector<ImageSlot> PlanSlots(const std::string& config, bool buttonImages, bool menuIcons, bool toolbarIcons) {
  std::vector<ImageSlot> slots;
  if (buttonImages) {
    AddSlots(slots, config, GadgetImages, "Buttons", "Convert", kNamedSize, 64);
    AddSlots(slots, config, GadgetImages, "Buttons", "InFiles", kNamedSize, 48);
    AddSlots(slots, config, GadgetImages, "Buttons", "InFolder", kNamedSize, 48);
  }
  const int toolbarSize = IconSizeForSetting(Settings.uiSize);
  for (std::string_view keyView : kIconKeys) {
    const std::string key(keyView);
    if (menuIcons) AddSlots(slots, config, MenuIcons, "Icons", key, kNamedSize, kNamedSize);
    if (toolbarIcons) AddSlots(slots, config, ToolbarIcons, "Icons", key, toolbarSize, toolbarSize);
  }
  return slots;
}

// The theme archive to load: the one "UI Theme" names, or, when that is not there, the last
// listed theme, which "UI Theme" then names.
std::string ActiveThemeArchive() {
  std::string path = ThemeArchivePath(Settings.uiTheme);
  if (!IsRegularFile(path) && !ThemeList.empty()) {
    Settings.uiTheme = ThemeKeyAt(static_cast<int>(ThemeList.size()) - 1);
    path = ThemeArchivePath(Settings.uiTheme);
  }
  return path;
}

}  // namespace

std::string ThemeImageFileName(const std::string& value, int pixelSize) {
  if (value.empty() || base::FindIgnoringAsciiCase(value, ".png") != std::string::npos) return value;
  return value + "_" + std::to_string(pixelSize) + ".png";
}

void LoadThemeImages(bool buttonImages, bool menuIcons, bool toolbarIcons) {
  ThemeArchive archive;
  if (!archive.Open(ActiveThemeArchive())) return;
  const std::map<std::string, std::string> configEntry = archive.Unpack({"theme.cfg"}, kMaxConfigBytes);
  if (configEntry.empty()) return;
  const std::vector<ImageSlot> slots =
      PlanSlots(TextUpToZero(configEntry.begin()->second), buttonImages, menuIcons, toolbarIcons);
  std::set<std::string> entries;
  for (const ImageSlot& slot : slots) entries.insert(slot.entry);
  const std::map<std::string, std::string> files = archive.Unpack(entries, kMaxImageBytes);
  for (const ImageSlot& slot : slots) {
    const auto file = files.find(slot.entry);
    if (file == files.end()) continue;
    const wxBitmap picture = DecodeThemeImage(file->second, slot.shownSize);
    if (picture.IsOk()) (*slot.set)[slot.key] = picture;
  }
}

}  // namespace vecrast
