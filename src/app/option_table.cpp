#include "app/option_table.h"

#include <array>

namespace vecrast {

namespace {

using K = OptionValueKind;
using T = OptionTarget;

// Columns: short, long, value kind, target, keyword kind, group, key, flag value,
// also-written key (same group), its value, name in a profile.
constexpr std::array kOptions = {
    // Main options
    OptionRow{"-I", "--INPUT", K::JobText, T::InputArgument, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{"-O", "--OUTPUT", K::JobText, T::OutputFolder, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{"-C", "--CONVERSION", K::JobText, T::OutputExtension, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{"-Q", "--QUIET", K::Switch, T::Quiet, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{"-D", "--DEBUG", K::Switch, T::Debug, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{"-P", "--PAUSE", K::Switch, T::Pause, 0, {}, {}, 0, {}, 0, {}},
    OptionRow{{}, "--PROFILE", K::Profile, T::Profile, 0, {}, {}, 0, {}, 0, {}},
    // Input
    OptionRow{{}, "--DDS-LOAD-AS", K::Keyword, T::Setting, 0, "Input", "DDS Load As", 0, {}, 0, "--DDS-LOAD-AS"},
    OptionRow{{}, "--GIF-FRAME-LOADING", K::Keyword, T::Setting, 2, "Input", "GIF Frame Loading", 0, {}, 0, "--GIF-FRAME-LOADING"},
    OptionRow{{}, "--ICO-FRAME-LOADING", K::Keyword, T::Setting, 2, "Input", "ICO Frame Loading", 0, {}, 0, "--ICO-FRAME-LOADING"},
    OptionRow{{}, "--TIFF-FRAME-LOADING", K::Keyword, T::Setting, 2, "Input", "TIFF Frame Loading", 0, {}, 0, "--TIFF-FRAME-LOADING"},
    OptionRow{{}, "--RAW-LOAD-AS", K::Keyword, T::Setting, 1, "Input", "RAW Load As", 0, {}, 0, "--RAW-LOAD-AS"},
    OptionRow{{}, "--RAW-HEADER-SIZE", K::Integer, T::Setting, 0, "Input", "RAW Header Size", 0, {}, 0, "--RAW-HEADER-SIZE"},
    OptionRow{{}, "--RAW-WIDTH", K::Integer, T::Setting, 0, "Input", "RAW Image Width", 0, {}, 0, "--RAW-WIDTH"},
    OptionRow{{}, "--RAW-HEIGHT", K::Integer, T::Setting, 0, "Input", "RAW Image Height", 0, {}, 0, "--RAW-HEIGHT"},
    OptionRow{{}, "--RAW-TONE-MAPPING", K::Keyword, T::Setting, 3, "Input", "RAW Tone Mapping", 0, {}, 0, "--RAW-TONE-MAPPING"},
    // Output
    OptionRow{{}, "--BMP-BPP", K::Integer, T::Setting, 0, "Output", "BMP BPP", 0, {}, 0, "--BMP-BPP"},
    OptionRow{{}, "--DDS-BPP", K::Integer, T::Setting, 0, "Output", "DDS BPP", 0, {}, 0, "--DDS-BPP"},
    OptionRow{{}, "--EXR-BPP", K::Integer, T::Setting, 0, "Output", "EXR BPP", 0, {}, 0, "--EXR-BPP"},
    OptionRow{{}, "--GIF-BPP", K::Integer, T::Setting, 0, "Output", "GIF BPP", 0, {}, 0, "--GIF-BPP"},
    OptionRow{{}, "--HDR-BPP", K::Integer, T::Setting, 0, "Output", "HDR BPP", 0, {}, 0, "--HDR-BPP"},
    OptionRow{{}, "--ICO-BPP", K::Integer, T::Setting, 0, "Output", "ICO BPP", 0, {}, 0, "--ICO-BPP"},
    OptionRow{{}, "--J2K-BPP", K::Integer, T::Setting, 0, "Output", "J2K BPP", 0, {}, 0, "--J2K-BPP"},
    OptionRow{{}, "--JNG-BPP", K::Integer, T::Setting, 0, "Output", "JNG BPP", 0, {}, 0, "--JNG-BPP"},
    OptionRow{{}, "--JP2-BPP", K::Integer, T::Setting, 0, "Output", "JP2 BPP", 0, {}, 0, "--JP2-BPP"},
    OptionRow{{}, "--JPG-BPP", K::Integer, T::Setting, 0, "Output", "JPG BPP", 0, {}, 0, "--JPG-BPP"},
    OptionRow{{}, "--JXR-BPP", K::Integer, T::Setting, 0, "Output", "JXR BPP", 0, {}, 0, "--JXR-BPP"},
    OptionRow{{}, "--PBM-BPP", K::Integer, T::Setting, 0, "Output", "PBM BPP", 0, {}, 0, "--PBM-BPP"},
    OptionRow{{}, "--PCX-BPP", K::Integer, T::Setting, 0, "Output", "PCX BPP", 0, {}, 0, "--PCX-BPP"},
    OptionRow{{}, "--PFM-BPP", K::Integer, T::Setting, 0, "Output", "PFM BPP", 0, {}, 0, "--PFM-BPP"},
    OptionRow{{}, "--PGM-BPP", K::Integer, T::Setting, 0, "Output", "PGM BPP", 0, {}, 0, "--PGM-BPP"},
    OptionRow{{}, "--PNG-BPP", K::Integer, T::Setting, 0, "Output", "PNG BPP", 0, {}, 0, "--PNG-BPP"},
    OptionRow{{}, "--PPM-BPP", K::Integer, T::Setting, 0, "Output", "PPM BPP", 0, {}, 0, "--PPM-BPP"},
    OptionRow{{}, "--PSD-BPP", K::Integer, T::Setting, 0, "Output", "PSD BPP", 0, {}, 0, "--PSD-BPP"},
    OptionRow{{}, "--TGA-BPP", K::Integer, T::Setting, 0, "Output", "TGA BPP", 0, {}, 0, "--TGA-BPP"},
    OptionRow{{}, "--TIFF-BPP", K::Integer, T::Setting, 0, "Output", "TIFF BPP", 0, {}, 0, "--TIFF-BPP"},
    OptionRow{{}, "--WBMP-BPP", K::Integer, T::Setting, 0, "Output", "WBMP BPP", 0, {}, 0, "--WBMP-BPP"},
    OptionRow{{}, "--WEBP-BPP", K::Integer, T::Setting, 0, "Output", "WEBP BPP", 0, {}, 0, "--WEBP-BPP"},
    OptionRow{{}, "--XPM-BPP", K::Integer, T::Setting, 0, "Output", "XPM BPP", 0, {}, 0, "--XPM-BPP"},
    OptionRow{{}, "--BMP-COMPRESSION", K::Keyword, T::Setting, 4, "Output", "BMP Compression", 0, {}, 0, "--BMP-COMPRESSION"},
    OptionRow{{}, "--BMP-COLOR-TABLE", K::Keyword, T::Setting, 5, "Output", "BMP Color Table", 0, {}, 0, "--BMP-COLOR-TABLE"},
    OptionRow{{}, "--EXR-COMPRESSION", K::Keyword, T::Setting, 4, "Output", "EXR Compression", 0, {}, 0, "--EXR-COMPRESSION"},
    OptionRow{{}, "--JPG-QUALITY", K::Integer, T::Setting, 0, "Output", "JPG Quality", 0, {}, 0, "--JPG-QUALITY"},
    OptionRow{{}, "--JPG-CHROMA", K::Keyword, T::Setting, 7, "Output", "JPG Chroma", 0, {}, 0, "--JPG-CHROMA"},
    OptionRow{{}, "--JPG-SAVE-AS", K::Keyword, T::Setting, 8, "Output", "JPG Save As", 0, {}, 0, "--JPG-SAVE-AS"},
    OptionRow{{}, "--PNG-COMPRESSION", K::Keyword, T::Setting, 4, "Output", "PNG Compression", 0, {}, 0, "--PNG-COMPRESSION"},
    OptionRow{{}, "--PNG-INTERLACED", K::Flag, T::Setting, 0, "Output", "PNG Interlaced", 1, {}, 0, "--PNG-INTERLACED"},
    OptionRow{{}, "--TGA-COMPRESSION", K::Keyword, T::Setting, 4, "Output", "TGA Compression", 0, {}, 0, "--TGA-COMPRESSION"},
    OptionRow{{}, "--TIFF-COMPRESSION", K::Keyword, T::Setting, 4, "Output", "TIFF Compression", 0, {}, 0, "--TIFF-COMPRESSION"},
    OptionRow{{}, "--TIFF-COLOR-MODEL", K::Keyword, T::Setting, 6, "Output", "TIFF Color Model", 0, {}, 0, "--TIFF-COLOR-MODEL"},
    // Transform
    OptionRow{{}, "--ROTATION", K::Integer, T::Setting, 0, "Transform", "Image Rotation", 0, "Do Image Rotation", 1, "--ROTATION"},
    OptionRow{{}, "--ROTATION-TYPE", K::Keyword, T::Setting, 9, "Transform", "Image Rotation Type", 0, {}, 0, "--ROTATION-TYPE"},
    OptionRow{{}, "--ROTATION-BACK-COLOR", K::Text, T::Setting, 0, "Transform", "Image Rotation Back Color", 0, {}, 0, "--ROTATION-BACK-COLOR"},
    OptionRow{{}, "--WIDTH", K::Integer, T::Setting, 0, "Transform", "Image Width", 0, "Do Image Resize", 1, "--WIDTH"},
    OptionRow{{}, "--WIDTH-UNIT", K::Keyword, T::Setting, 10, "Transform", "Image Width Unit", 0, {}, 0, "--WIDTH-UNIT"},
    OptionRow{{}, "--HEIGHT", K::Integer, T::Setting, 0, "Transform", "Image Height", 0, "Do Image Resize", 1, "--HEIGHT"},
    OptionRow{{}, "--HEIGHT-UNIT", K::Keyword, T::Setting, 10, "Transform", "Image Height Unit", 0, {}, 0, "--HEIGHT-UNIT"},
    OptionRow{{}, "--KEEP-ASPECT-RATIO", K::Flag, T::Setting, 0, "Transform", "Keep Aspect Ratio", 1, {}, 0, "--KEEP-ASPECT-RATIO"},
    OptionRow{{}, "--RESIZE-TYPE", K::Keyword, T::Setting, 11, "Transform", "Image Resize Type", 0, {}, 0, "--RESIZE-TYPE"},
    OptionRow{{}, "--RESIZE-ALGORITHM", K::Keyword, T::Setting, 12, "Transform", "Image Resize Algorithm", 0, {}, 0, "--RESIZE-ALGORITHM"},
    OptionRow{{}, "--FLIP-HORIZONTAL", K::Flag, T::Setting, 0, "Transform", "Do Image Flip Horizontal", 1, {}, 0, "--FLIP-HORIZONTAL"},
    OptionRow{{}, "--FLIP-VERTICAL", K::Flag, T::Setting, 0, "Transform", "Do Image Flip Vertical", 1, {}, 0, "--FLIP-VERTICAL"},
    // Adjustment
    OptionRow{{}, "--BRIGHTNESS", K::Integer, T::Setting, 0, "Adjustment", "Image Brightness", 0, "Do Image Color Correction", 1, "--BRIGHTNESS"},
    OptionRow{{}, "--CONTRAST", K::Integer, T::Setting, 0, "Adjustment", "Image Contrast", 0, "Do Image Color Correction", 1, "--CONTRAST"},
    OptionRow{{}, "--GAMMA", K::Real, T::Setting, 0, "Adjustment", "Image Gamma", 0, "Do Image Color Correction", 1, "--GAMMA"},
    OptionRow{{}, "--INVERT", K::Flag, T::Setting, 0, "Adjustment", "Image Invert", 1, "Do Image Color Correction", 1, "--INVERT"},
    OptionRow{{}, "--GREYSCALE", K::Flag, T::Setting, 0, "Adjustment", "Do Image Greyscale", 1, {}, 0, "--GREYSCALE"},
    OptionRow{{}, "--THRESHOLD", K::Integer, T::Setting, 0, "Adjustment", "Image Threshold", 0, "Do Image Threshold", 1, "--THRESHOLD"},
    // Frame
    OptionRow{{}, "--FR-SOLID-LEFT", K::Integer, T::Setting, 0, "Frame", "Solid Left", 0, "Do Frame", 1, "--FR-SOLID-LEFT"},
    OptionRow{{}, "--FR-SOLID-RIGHT", K::Integer, T::Setting, 0, "Frame", "Solid Right", 0, "Do Frame", 1, "--FR-SOLID-RIGHT"},
    OptionRow{{}, "--FR-SOLID-TOP", K::Integer, T::Setting, 0, "Frame", "Solid Top", 0, "Do Frame", 1, "--FR-SOLID-TOP"},
    OptionRow{{}, "--FR-SOLID-BOTTOM", K::Integer, T::Setting, 0, "Frame", "Solid Bottom", 0, "Do Frame", 1, "--FR-SOLID-BOTTOM"},
    OptionRow{{}, "--FR-SOLID-LEFT-COLOR", K::Text, T::Setting, 0, "Frame", "Solid Left Color", 0, {}, 0, "--FR-SOLID-LEFT-COLOR"},
    OptionRow{{}, "--FR-SOLID-RIGHT-COLOR", K::Text, T::Setting, 0, "Frame", "Solid Right Color", 0, {}, 0, "--FR-SOLID-RIGHT-COLOR"},
    OptionRow{{}, "--FR-SOLID-TOP-COLOR", K::Text, T::Setting, 0, "Frame", "Solid Top Color", 0, {}, 0, "--FR-SOLID-TOP-COLOR"},
    OptionRow{{}, "--FR-SOLID-BOTTOM-COLOR", K::Text, T::Setting, 0, "Frame", "Solid Bottom Color", 0, {}, 0, "--FR-SOLID-BOTTOM-COLOR"},
    OptionRow{{}, "--FR-SOLID-OPACITY", K::Integer, T::Setting, 0, "Frame", "Solid Opacity", 0, {}, 0, "--WM-SOLID-OPACITY"},
    // Watermark
    OptionRow{{}, "--WM-TEXT", K::Text, T::Setting, 0, "Watermark", "Text", 0, "Do Watermark", 1, "--WM-TEXT"},
    OptionRow{{}, "--WM-FONT", K::Text, T::Setting, 0, "Watermark", "Font", 0, {}, 0, "--WM-FONT"},
    OptionRow{{}, "--WM-FONT-SIZE", K::Integer, T::Setting, 0, "Watermark", "Font Size", 0, {}, 0, "--WM-FONT-SIZE"},
    OptionRow{{}, "--WM-FONT-LEADING", K::Integer, T::Setting, 0, "Watermark", "Font Leading", 0, {}, 0, "--WM-FONT-LEADING"},
    OptionRow{{}, "--WM-FONT-COLOR", K::Text, T::Setting, 0, "Watermark", "Font Color", 0, {}, 0, "--WM-FONT-COLOR"},
    OptionRow{{}, "--WM-FONT-STYLE", K::Keyword, T::Setting, 15, "Watermark", "Font Style", 0, {}, 0, "--WM-FONT-STYLE"},
    OptionRow{{}, "--WM-FONT-EFFECT", K::Keyword, T::Setting, 16, "Watermark", "Font Effect", 0, {}, 0, "--WM-FONT-EFFECT"},
    OptionRow{{}, "--WM-TEXT-ANTIALIASING", K::Flag, T::Setting, 0, "Watermark", "Text Antialiasing", 1, {}, 0, "--WM-TEXT-ANTIALIASING"},
    OptionRow{{}, "--WM-TEXT-ALIGNMENT", K::Keyword, T::Setting, 17, "Watermark", "Text Alignment", 0, {}, 0, "--WM-TEXT-ALIGNMENT"},
    OptionRow{{}, "--WM-TEXT-PADDING", K::Integer, T::Setting, 0, "Watermark", "Text Padding", 0, {}, 0, "--WM-TEXT-PADDING"},
    OptionRow{{}, "--WM-TEXT-OPACITY", K::Integer, T::Setting, 0, "Watermark", "Text Opacity", 0, {}, 0, "--WM-TEXT-OPACITY"},
    OptionRow{{}, "--WM-BACK-COLOR", K::Text, T::Setting, 0, "Watermark", "Back Color", 0, {}, 0, "--WM-BACK-COLOR"},
    OptionRow{{}, "--WM-BACK-OPACITY", K::Integer, T::Setting, 0, "Watermark", "Back Opacity", 0, {}, 0, "--WM-BACK-OPACITY"},
    OptionRow{{}, "--WM-TEXT-BOUNDARY", K::Keyword, T::Setting, 18, "Watermark", "Text Boundary", 0, {}, 0, "--WM-TEXT-BOUNDARY"},
    OptionRow{{}, "--WM-TEXT-POSITION", K::Keyword, T::Setting, 19, "Watermark", "Text Position", 0, {}, 0, "--WM-TEXT-POSITION"},
    OptionRow{{}, "--WM-TEXT-X-OFFSET", K::Integer, T::Setting, 0, "Watermark", "Text X Offset", 0, {}, 0, "--WM-TEXT-X-OFFSET"},
    OptionRow{{}, "--WM-TEXT-Y-OFFSET", K::Integer, T::Setting, 0, "Watermark", "Text Y Offset", 0, {}, 0, "--WM-TEXT-Y-OFFSET"},
    OptionRow{{}, "--WM-TEXT-ROTATION", K::Integer, T::Setting, 0, "Watermark", "Text Rotation", 0, {}, 0, "--WM-TEXT-ROTATION"},
    OptionRow{{}, "--WM-TEXT-SIZE", K::Keyword, T::Setting, 20, "Watermark", "Text Size", 0, {}, 0, "--WM-TEXT-SIZE"},
    OptionRow{{}, "--WM-IMAGE", K::Text, T::Setting, 0, "Watermark", "Image", 0, "Do Watermark", 2, "--WM-IMAGE"},
    OptionRow{{}, "--WM-IMAGE-GREYSCALE", K::Flag, T::Setting, 0, "Watermark", "Image Greyscale", 1, {}, 0, "--WM-IMAGE-GREYSCALE"},
    OptionRow{{}, "--WM-IMAGE-OPACITY", K::Integer, T::Setting, 0, "Watermark", "Image Opacity", 0, {}, 0, "--WM-IMAGE-OPACITY"},
    OptionRow{{}, "--WM-IMAGE-BOUNDARY", K::Keyword, T::Setting, 18, "Watermark", "Image Boundary", 0, {}, 0, "--WM-IMAGE-BOUNDARY"},
    OptionRow{{}, "--WM-IMAGE-POSITION", K::Keyword, T::Setting, 19, "Watermark", "Image Position", 0, {}, 0, "--WM-IMAGE-POSITION"},
    OptionRow{{}, "--WM-IMAGE-X-OFFSET", K::Integer, T::Setting, 0, "Watermark", "Image X Offset", 0, {}, 0, "--WM-IMAGE-X-OFFSET"},
    OptionRow{{}, "--WM-IMAGE-Y-OFFSET", K::Integer, T::Setting, 0, "Watermark", "Image Y Offset", 0, {}, 0, "--WM-IMAGE-Y-OFFSET"},
    OptionRow{{}, "--WM-IMAGE-ROTATION", K::Integer, T::Setting, 0, "Watermark", "Image Rotation", 0, {}, 0, "--WM-IMAGE-ROTATION"},
    OptionRow{{}, "--WM-IMAGE-SIZE", K::Keyword, T::Setting, 20, "Watermark", "Image Size", 0, {}, 0, "--WM-IMAGE-SIZE"},
    // Advanced
    OptionRow{{}, "--FILENAME-MASK", K::Text, T::Setting, 0, "Advanced", "Filename Mask", 0, {}, 0, "--FILENAME-MASK"},
    OptionRow{{}, "--FILE-TIMESTAMP", K::Keyword, T::Setting, 21, "Advanced", "File Timestamp", 0, {}, 0, "--FILE-TIMESTAMP"},
    OptionRow{{}, "--FILE-TIMESTAMP-CUSTOM", K::Integer, T::Setting, 0, "Advanced", "Custom Timestamp", 0, {}, 0, "--FILE-TIMESTAMP-CUSTOM"},
    OptionRow{{}, "--NO-SUBFOLDERS", K::Flag, T::Setting, 0, "Advanced", "Keep Subfolders", 0, {}, 0, "--NO-SUBFOLDERS"},
};

}  // namespace

std::span<const OptionRow> OptionTable() { return kOptions; }

const OptionRow* FindOption(std::string_view key) {
  if (key.empty()) return nullptr;
  for (const OptionRow& row : kOptions) {
    if (row.longName == key || row.shortName == key) return &row;
  }
  return nullptr;
}

const OptionRow* FindProfileOption(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const OptionRow& row : kOptions) {
    if (row.profileName == name) return &row;
  }
  return nullptr;
}

}  // namespace vecrast
