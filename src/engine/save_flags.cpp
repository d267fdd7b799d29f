// The FreeImage save flags of each output format, from the settings, and the run set-up
// of the output format.
#include <array>

#include "engine/formats.h"
#include "settings/settings.h"

namespace vecrast {

namespace {

// How one setting contributes to an extension's flags.
enum class FlagRule {
  kChoice,     // the value picks an entry of `choices`; out of range adds nothing
  kValue,      // the value itself is added, unchecked
  kNonZero,    // any value but 0 adds choices[0]
  kConstant,   // always choices[0]; no setting
};

struct SaveFlagRow {
  std::string_view extension;
  FlagRule rule;
  int32_t SettingsRecord::*intSetting;
  int8_t SettingsRecord::*flagSetting;
  std::array<int32_t, 9> choices;
  size_t choiceCount;
};

int32_t ReadSetting(const SaveFlagRow& row) {
  if (row.intSetting) return Settings.*row.intSetting;
  if (row.flagSetting) return Settings.*row.flagSetting;
  return 0;
}

int32_t Contribution(const SaveFlagRow& row) {
  const int32_t value = ReadSetting(row);
  const auto& choices = row.choices;
  switch (row.rule) {
    case FlagRule::kChoice:
      return value >= 0 && static_cast<size_t>(value) < row.choiceCount ? choices[value] : 0;
    case FlagRule::kValue:
      return value;
    case FlagRule::kNonZero:
      return value != 0 ? choices[0] : 0;
    case FlagRule::kConstant:
      return choices[0];
  }
  return 0;
}

using S = SettingsRecord;

// Flag values are FreeImage's (BMP_SAVE_RLE, EXR_*, JPEG_*, JXR_LOSSLESS, PNG_*, TARGA_*,
// TIFF_*, WEBP_LOSSLESS).
const std::array<SaveFlagRow, 12>& SaveFlagRows() {
  static constexpr std::array<SaveFlagRow, 12> rows{{
      {"bmp", FlagRule::kChoice, &S::bmpCompression, nullptr, {0, 1}, 2},
      {"exr", FlagRule::kChoice, &S::exrCompression, nullptr, {2, 4, 8, 16, 32}, 5},
      {"jpg", FlagRule::kValue, &S::jpgQuality, nullptr, {}, 0},
      {"jpg", FlagRule::kChoice, &S::jpgChroma, nullptr, {0x10000, 0x8000, 0x4000, 0x1000}, 4},
      {"jpg", FlagRule::kChoice, &S::jpgSaveAs, nullptr, {0, 0x40000, 0x20000, 0x2000}, 4},
      {"jxr", FlagRule::kConstant, nullptr, nullptr, {100}, 1},
      {"png", FlagRule::kChoice, &S::pngCompression, nullptr, {0x100, 1, 6, 9}, 4},
      {"png", FlagRule::kNonZero, nullptr, &S::pngInterlaced, {0x200}, 1},
      {"tga", FlagRule::kChoice, &S::tgaCompression, nullptr, {0, 2}, 2},
      {"tiff", FlagRule::kChoice, &S::tiffCompression, nullptr,
       {0x800, 0x1000, 0x2000, 0x100, 0x200, 0x400, 0x4000, 0x8000, 0x10000}, 9},
      {"tiff", FlagRule::kChoice, &S::tiffColorModel, nullptr, {0, 1}, 2},
      {"webp", FlagRule::kConstant, nullptr, nullptr, {0x100}, 1},
  }};
  return rows;
}

struct BppSettingRow {
  std::string_view extension;
  int32_t SettingsRecord::*setting;
};

constexpr std::array<BppSettingRow, 23> kBppSettings{{
    {"bmp", &S::bmpBpp},   {"dds", &S::ddsBpp},   {"exr", &S::exrBpp},   {"gif", &S::gifBpp},
    {"hdr", &S::hdrBpp},   {"ico", &S::icoBpp},   {"j2k", &S::j2kBpp},   {"jng", &S::jngBpp},
    {"jp2", &S::jp2Bpp},   {"jpg", &S::jpgBpp},   {"jxr", &S::jxrBpp},   {"pbm", &S::pbmBpp},
    {"pcx", &S::pcxBpp},   {"pfm", &S::pfmBpp},   {"pgm", &S::pgmBpp},   {"png", &S::pngBpp},
    {"ppm", &S::ppmBpp},   {"psd", &S::psdBpp},   {"tga", &S::tgaBpp},   {"tiff", &S::tiffBpp},
    {"wbmp", &S::wbmpBpp}, {"webp", &S::webpBpp}, {"xpm", &S::xpmBpp},
}};

}  // namespace

int32_t SaveFlagsFor(std::string_view extension) {
  int32_t flags = 0;
  for (const auto& row : SaveFlagRows()) {
    if (row.extension == extension) flags += Contribution(row);
  }
  return flags;
}

int32_t* OutputBppSetting(std::string_view extension) {
  for (const auto& row : kBppSettings) {
    if (row.extension == extension) return &(Settings.*row.setting);
  }
  return nullptr;
}

void SetUpOutputFormat() {
  const std::string& extension = ConversionJob.outputExtension;
  ConversionJob.formatId = FindOutputFormat(extension).formatId;
  const int32_t* bpp = OutputBppSetting(extension);
  ConversionJob.targetBpp = bpp ? *bpp : 0;
  ConversionJob.saveFlags = SaveFlagsFor(extension);
  ConversionJob.autoBpp = ConversionJob.targetBpp == 0 ? 1 : 0;
}

}  // namespace vecrast
