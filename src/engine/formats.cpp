#include "engine/formats.h"

#include <array>
#include <charconv>

namespace vecrast {

namespace {

struct FormatRow {
  std::string_view extension;
  int32_t formatId;
  std::string_view description;
  std::string_view allowedBpp;
};

constexpr std::array<FormatRow, 20> kFormatRows{{
    {"bmp", 0, "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
    {"exr", 29, "ILM OpenEXR", "96"},
    {"gif", 25, "Graphics Interchange Format", "8"},
    {"hdr", 26, "High Dynamic Range Image", "96"},
    {"ico", 1, "Windows Icon", "1,4,8,16,24,32"},
    {"j2k", 30, "JPEG-2000 Codestream", "8,24,32,48"},
    {"jng", 3, "JPEG Network Graphics", "24,32"},
    {"jp2", 31, "JPEG-2000 File Format", "8,24,32,48"},
    {"jpg", 2, "JPEG File Format", "8,24"},
    {"jxr", 36, "JPEG XR Image Format", "1,8,16,24,32,48,96"},
    {"pbm", 7, "Portable Bitmap", "1"},
    {"pfm", 32, "Portable Floatmap", "96"},
    {"pgm", 11, "Portable Greymap", "8"},
    {"png", 13, "Portable Network Graphics", "1,4,8,24,32,48"},
    {"ppm", 14, "Portable Pixelmap", "24,48"},
    {"tga", 17, "Truevision Targa", "8,16,24,32"},
    {"tiff", 18, "Tagged Image File Format", "1,4,8,24,32,48,96"},
    {"wbmp", 19, "Wireless Bitmap", "1"},
    {"webp", 35, "Google WebP Image Format", "24,32"},
    {"xpm", 23, "X11 Pixmap Format", "24"},
}};

}  // namespace

const std::map<std::string, OutputFormat>& FormatTable() {
  static const auto* const table = [] {
    auto* map = new std::map<std::string, OutputFormat>();
    for (const auto& row : kFormatRows) {
      map->emplace(std::string(row.extension),
                   OutputFormat{row.formatId, std::string(row.extension), std::string(row.description),
                                std::string(row.allowedBpp)});
    }
    return map;
  }();
  return *table;
}

const OutputFormat& FindOutputFormat(std::string_view extension) {
  static const OutputFormat kNone;
  const auto& table = FormatTable();
  const auto found = table.find(std::string(extension));
  return found == table.end() ? kNone : found->second;
}

bool HasFormatRow(std::string_view extension) { return FormatTable().count(std::string(extension)) != 0; }

std::vector<int> AllowedBppList(std::string_view extension) {
  std::vector<int> depths;
  std::string_view list = FindOutputFormat(extension).allowedBpp;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view entry = list.substr(0, comma);
    int value = 0;
    std::from_chars(entry.data(), entry.data() + entry.size(), value);
    depths.push_back(value);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return depths;
}

bool IsAllowedBpp(std::string_view extension, int bpp) {
  if (bpp == 0) return true;
  for (const int depth : AllowedBppList(extension)) {
    if (depth == bpp) return true;
  }
  return false;
}

int ChooseAutoBpp(std::string_view extension, int sourceBpp) {
  const std::vector<int> depths = AllowedBppList(extension);
  for (const int depth : depths) {
    if (depth >= sourceBpp) return depth;
  }
  return depths.empty() ? 0 : depths.back();
}

}  // namespace vecrast
