#include "engine/input_types.h"

#include <array>

#include "base/ascii_case.h"
#include "settings/settings.h"

namespace vecrast {

std::vector<std::string> inputExtensions;

namespace {

struct InputTypeRow {
  std::string_view extension;
  std::string_view kind;
  std::string_view description;
};

constexpr std::string_view kRaw = "Camera RAW Image";

constexpr std::array<InputTypeRow, 79> kInputTypeRows{{
    {"bmp", "bmp", "Windows or OS/2 Bitmap"},
    {"rle", "bmp", "Windows or OS/2 Bitmap"},
    {"dib", "bmp", "Windows or OS/2 Bitmap"},
    {"dds", "dds", "DirectDraw Surface File"},
    {"emf", "emf", "Enhanced Metafile Format"},
    {"emz", "emf", "Enhanced Metafile Format"},
    {"gif", "gif", "GIF File"},
    {"hdr", "hdr", "High Dynamic Range File"},
    {"hdri", "hdr", "High Dynamic Range File"},
    {"ico", "ico", "Windows Icon"},
    {"jpg", "jpg", "JPEG File"},
    {"jpeg", "jpg", "JPEG File"},
    {"jpe", "jpg", "JPEG File"},
    {"jif", "jpg", "JPEG File"},
    {"pcd", "pcd", "Kodak PhotoCD File"},
    {"pcd1", "pcd", "Kodak PhotoCD File"},
    {"pcds", "pcd", "Kodak PhotoCD File"},
    {"ppcd", "pcd", "Kodak PhotoCD File"},
    {"pcx", "pcx", "ZSoft Paintbrush File"},
    {"pic", "pic", "Macintosh PICT"},
    {"pict", "pic", "Macintosh PICT"},
    {"pct", "pic", "Macintosh PICT"},
    {"png", "png", "Portable Network Graphics"},
    {"psd", "psd", "Adobe Photoshop File"},
    {"tga", "tga", "Truevision Targa"},
    {"targa", "tga", "Truevision Targa"},
    {"tiff", "tiff", "Tagged Image File Format"},
    {"tif", "tiff", "Tagged Image File Format"},
    {"wmf", "wmf", "Windows Metafile Format"},
    {"wmz", "wmf", "Windows Metafile Format"},
    {"apm", "wmf", "Aldus Placeable Metafile"},
    {"raw", "raw", kRaw},
    {"raw1", "raw", kRaw},
    {"raw2", "raw", kRaw},
    {"3fr", "raw", "Hasselblad Camera RAW Image"},
    {"arw", "raw", "Sony Camera RAW Image"},
    {"sr2", "raw", "Sony Camera RAW Image"},
    {"srf", "raw", "Sony Camera RAW Image"},
    {"bay", "raw", "Casio Camera RAW Image"},
    {"bmq", "raw", "NuCore RAW Image"},
    {"cap", "raw", "Phase One Camera RAW Image"},
    {"iiq", "raw", "Phase One Camera RAW Image"},
    {"eip", "raw", "Phase One Camera RAW Image"},
    {"cine", "raw", "Phantom RAW Image"},
    {"cr2", "raw", "Canon Camera RAW Image"},
    {"crw", "raw", "Canon Camera RAW Image"},
    {"cs1", "raw", "Capture Shop RAW Image"},
    {"dc2", "raw", "Kodak Camera RAW Image"},
    {"dcr", "raw", "Kodak Camera RAW Image"},
    {"drf", "raw", "Kodak Camera RAW Image"},
    {"dsc", "raw", "Kodak Camera RAW Image"},
    {"k25", "raw", "Kodak Camera RAW Image"},
    {"kc2", "raw", "Kodak Camera RAW Image"},
    {"kdc", "raw", "Kodak Camera RAW Image"},
    {"dcs", "raw", "Kodak Camera RAW Image"},
    {"dng", "raw", "Adobe Digital Negative Image"},
    {"erf", "raw", "Epson Camera RAW Image"},
    {"fff", "raw", "Imacon Camera RAW Image"},
    {"ia", "raw", "Sinar RAW Image"},
    {"sti", "raw", "Sinar RAW Image"},
    {"mdc", "raw", "Minolta Camera RAW Image"},
    {"mrw", "raw", "Minolta Camera RAW Image"},
    {"mef", "raw", "Mamiya Camera RAW Image"},
    {"mos", "raw", "Mamiya Camera RAW Image"},
    {"nef", "raw", "Nikon Camera RAW Image"},
    {"nrw", "raw", "Nikon Camera RAW Image"},
    {"orf", "raw", "Olympus Camera RAW Image"},
    {"pef", "raw", "Pentax Camera RAW Image"},
    {"ptx", "raw", "Pentax Camera RAW Image"},
    {"pxn", "raw", "Logitech Camera RAW Image"},
    {"qtk", "raw", "Apple Quicktake Camera RAW Image"},
    {"raf", "raw", "Fuji Camera RAW Image"},
    {"rdc", "raw", "Digital Foto Maker RAW Image"},
    {"rw2", "raw", "Panasonic Camera RAW Image"},
    {"rwz", "raw", "Rawzor Camera RAW Image"},
    {"x3f", "raw", "Sigma Camera RAW Image"},
    {"ari", "raw", "ARRI RAW Image"},
    {"r3d", "raw", "RED RAW Image"},
    {"rwl", "raw", "Leica Camera RAW Image"},
}};

bool Contains(const std::vector<std::string>& list, std::string_view text) {
  for (const auto& entry : list) {
    if (entry == text) return true;
  }
  return false;
}

}  // namespace

const std::unordered_map<std::string, InputType>& InputTypeTable() {
  static const auto* const table = [] {
    auto* map = new std::unordered_map<std::string, InputType>();
    for (const auto& row : kInputTypeRows) {
      map->emplace(std::string(row.extension), InputType{std::string(row.kind), std::string(row.description)});
    }
    return map;
  }();
  return *table;
}

const InputType* FindInputType(std::string_view extension) {
  const auto& table = InputTypeTable();
  const auto found = table.find(NormaliseExtension(extension));
  return found == table.end() ? nullptr : &found->second;
}

// The order within a kind is the rows' order, so the list is the same on every run.
void BuildInputExtensions(const std::vector<std::string>& kinds) {
  inputExtensions.clear();
  for (const auto& kind : kinds) {
    for (const auto& row : kInputTypeRows) {
      if (row.kind == kind) inputExtensions.emplace_back(row.extension);
    }
  }
}

void BuildInputExtensions() { BuildInputExtensions(inputKinds); }

bool IsInputExtension(std::string_view extension) { return Contains(inputExtensions, extension); }

std::string NormaliseExtension(std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  return base::LowerAscii(extension);
}

std::string FileExtension(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return {};
  return NormaliseExtension(name.substr(dot + 1));
}

std::string BuildInputFileFilter(std::string_view allSupportedLabel, std::string_view allFilesLabel) {
  std::vector<std::string> descriptions;
  std::vector<std::string> patterns;
  std::string allPatterns;
  for (const auto& extension : inputExtensions) {
    const InputType* type = FindInputType(extension);
    if (!type) continue;
    const std::string pattern = "*." + extension;
    allPatterns += (allPatterns.empty() ? "" : ";") + pattern;
    size_t i = 0;
    while (i < descriptions.size() && descriptions[i] != type->description) ++i;
    if (i == descriptions.size()) {
      descriptions.push_back(type->description);
      patterns.push_back(pattern);
    } else {
      patterns[i] += ";" + pattern;
    }
  }
  std::string filter = std::string(allSupportedLabel) + "|" + allPatterns;
  for (size_t i = 0; i < descriptions.size(); ++i) filter += "|" + descriptions[i] + "|" + patterns[i];
  filter += "|" + std::string(allFilesLabel) + " (*.*)|*.*";
  return filter;
}

}  // namespace vecrast
