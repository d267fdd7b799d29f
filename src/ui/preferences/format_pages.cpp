// The pages "General", "Interface", "Input" and "Output".
#include <vector>

#include "settings/settings.h"
#include "settings/settings_table.h"
#include "base/ascii_case.h"
#include "ui/preferences/row_makers.h"

namespace vecrast::prefs {

namespace {

const Items kFrameChoices = {"All Frames", "First Frame", "Middle Frame", "Last Frame",
                             "Random Frame"};

PageTable GeneralPage() {
  PageRow language = ListRow("Language", {}, {"English"});
  language.source = ItemSource::Literal;
  return Page("General",
          {language,
                   ListRow("Check for Updates", "Update Range",
                           {"Every day", "Every week", "Every month", "Every 3 months",
                            "Every 6 months", "Never"}),
                   CheckRow("Save window position", "Save Window Position")});
}

PageTable InterfacePage() {
  PageRow theme = ListRow("UI Theme", "UI Theme", {});
  theme.source = ItemSource::Themes;
  return Page("Interface",
          {theme, ListRow("UI Size", "UI Size", {"Small", "Medium", "Large"})});
}

std::vector<PageRow> InputFormatRows(std::string_view kind) {
  if (kind == "dds") return {ListRow("Load As", "DDS Load As", {"Auto", "BGRA", "RGBA"})};
  if (kind == "gif") return {ListRow("Frame Loading", "GIF Frame Loading", kFrameChoices)};
  if (kind == "ico") return {ListRow("Frame Loading", "ICO Frame Loading", kFrameChoices)};
  if (kind == "tiff") return {ListRow("Frame Loading", "TIFF Frame Loading", kFrameChoices)};
  if (kind == "raw") {
    return {ListRow("Load As", "RAW Load As", {"Auto", "RGB8", "RGB16", "RGB24", "RGB48HS", "RGB48"}),
            NumericRow("Header Size", "RAW Header Size", "Bytes"),
            NumericRow("Image Width", "RAW Image Width", "Pixels"),
            NumericRow("Image Height", "RAW Image Height", "Pixels"),
            ListRow("Tone Mapping", "RAW Tone Mapping",
                    {"None", "Linear", "Adaptive Logarithmic", "DR Reduction", "Gradient Domain"})};
  }
  return {};
}

// The rows after "Bits Per Pixel".
std::vector<PageRow> OutputOptionRows(std::string_view extension) {
  if (extension == "bmp") {
    return {ListRow("Compression", "BMP Compression", {"None", "RLE"}),
            ListRow("Color Table", "BMP Color Table", {"Auto", "Exact"})};
  }
  if (extension == "exr") {
    return {ListRow("Compression", "EXR Compression", {"None", "ZIP", "PIZ", "PXR24", "B44"})};
  }
  if (extension == "jpg") {
    return {TrackRow("Image Quality", "JPG Quality", 1, 100),
            ListRow("Chroma Subsampling", "JPG Chroma", {"None", "Low", "Medium", "High"}),
            ListRow("Save As", "JPG Save As",
                    {"Baseline Standard", "Baseline Simple", "Baseline Optimized", "Progressive"})};
  }
  if (extension == "pcx") return {ListRow("Compression", {}, {"RLE"})};
  if (extension == "png") {
    return {ListRow("Compression", "PNG Compression", {"None", "ZLIB1", "ZLIB6", "ZLIB9"}),
            CheckRow("Interlaced", "PNG Interlaced")};
  }
  if (extension == "tga") return {ListRow("Compression", "TGA Compression", {"None", "RLE"})};
  if (extension == "tiff") {
    return {ListRow("Compression", "TIFF Compression",
                    {"None", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW",
                     "JPEG", "LOGLUV"}),
            ListRow("Color Model", "TIFF Color Model", {"RGB", "CMYK"})};
  }
  return {};
}

std::vector<PageRow> OutputFormatRows(const std::string& extension) {
  std::vector<PageRow> rows;
  const std::string depthKey = base::UpperAscii(extension) + " BPP";
  if (const SettingDescriptor* depth = FindSetting("Output", depthKey)) {
    rows.push_back(DepthRow(depth->key, depth->format));
  }
  for (PageRow& row : OutputOptionRows(extension)) rows.push_back(std::move(row));
  return rows;
}

// A page with the format list as its first row and one container per offered format that has
// rows; the container of the selected format is shown.
template <typename RowsOf>
PageTable FormatPage(std::string_view category, std::string_view label,
                     const std::vector<std::string>& formats, RowsOf rowsOf) {
  PageTable page = Page(category, {Row(label, RowKind::FormatList, "Format")});
  for (size_t index = 0; index < formats.size(); ++index) {
    std::vector<PageRow> rows = rowsOf(formats[index]);
    if (rows.empty()) continue;
    page.containers.push_back({formats[index], std::move(rows)});
    page.rules.push_back(
        {"Format", {static_cast<int>(index)}, RuleEffect::Show, {formats[index]}});
  }
  return page;
}

}  // namespace

std::vector<PageTable> FormatPages() {
  std::vector<PageTable> pages;
  pages.push_back(GeneralPage());
  pages.push_back(InterfacePage());
  PageTable input = FormatPage("Input", "Input Format", inputKinds, InputFormatRows);
  input.rules.push_back({"RAW Load As",
                         {1, 2},
                         RuleEffect::Enable,
                         {"RAW Header Size", "RAW Image Width", "RAW Image Height"}});
  input.rules.push_back({"RAW Load As", {4, 5}, RuleEffect::Enable, {"RAW Tone Mapping"}});
  pages.push_back(std::move(input));
  pages.push_back(FormatPage("Output", "Output Format", outputExtensions, OutputFormatRows));
  return pages;
}

std::vector<PageTable> PreferencePages() {
  std::vector<PageTable> pages = FormatPages();
  for (PageTable& page : ProcessingPages()) pages.push_back(std::move(page));
  return pages;
}

}  // namespace vecrast::prefs
