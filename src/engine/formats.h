// What the engine knows of each output format: FreeImage format id, description and the
// depths it accepts; the save flags from the settings; the Auto depth choice.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vecrast {

struct OutputFormat {
  int32_t formatId = 0;     // FreeImage FREE_IMAGE_FORMAT value
  std::string extension;    // lower case, no dot
  std::string description;
  std::string allowedBpp;   // comma-separated depths in ascending order, e.g. "8,24"
};

// The twenty output formats by extension; built once, never changes.
const std::map<std::string, OutputFormat>& FormatTable();

// The row of an extension (lower case); a record of zeros and empty strings when none.
const OutputFormat& FindOutputFormat(std::string_view extension);

// True when the extension has a row in FormatTable.
bool HasFormatRow(std::string_view extension);

// The extension's allowed depths as numbers, in table order; empty when it has no row.
std::vector<int> AllowedBppList(std::string_view extension);

// True when bpp is 0 (Auto) or one of the extension's allowed depths.
bool IsAllowedBpp(std::string_view extension, int bpp);

// The Auto depth: the first allowed depth at least sourceBpp, else the largest allowed;
// 0 when the extension has no row.
int ChooseAutoBpp(std::string_view extension, int sourceBpp);

// The FreeImage save flags of an extension from the current settings.
int32_t SaveFlagsFor(std::string_view extension);

// The "BPP" setting of one of the 23 output extensions; null for any other extension.
int32_t* OutputBppSetting(std::string_view extension);

// Run set-up from ConversionJob.outputExtension: formatId, targetBpp (the extension's
// "BPP" setting), saveFlags and autoBpp.
void SetUpOutputFormat();

}  // namespace vecrast
