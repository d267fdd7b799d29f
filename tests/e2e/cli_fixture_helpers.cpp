#include "cli_fixture.h"

#include <FreeImage.h>

#include <cstdlib>

#include "wmf_writer.h"

namespace clitest {

std::string HalfRedMetafile() {
  wmfw::WmfWriter w;
  w.SetWindowOrg(0, 0).SetWindowExt(2880, 1440);
  w.CreatePen(5, 0, wmfw::Rgb(0, 0, 0)).SelectObject(0);  // no outline
  w.CreateBrush(0, wmfw::Rgb(255, 0, 0)).SelectObject(1);
  w.Rectangle(0, 0, 1440, 1440);
  const wmfw::Bytes bytes = w.Placeable(0, 0, 2880, 1440, 1440);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> BannerLines() {
  return {"Zentrafax WMF to JPG 2.5", "Copyright (c) 2026 Zentrafax. All rights reserved.",
          "https://www.zentrafax.example/", " "};
}

std::vector<std::string> SuccessLines() {
  return {"Preparing...", "Importing...", "Import complete, new files added: 1", "Converting...",
          "Conversion complete", "Files converted: 1 of 1"};
}

DecodedJpg DecodeJpg(const std::string& path) {
  DecodedJpg decoded;
  FIBITMAP* loaded = FreeImage_Load(FIF_JPEG, path.c_str(), 0);
  if (!loaded) return decoded;
  FIBITMAP* rgb = FreeImage_ConvertTo24Bits(loaded);
  FreeImage_Unload(loaded);
  if (!rgb) return decoded;
  decoded.width = static_cast<int>(FreeImage_GetWidth(rgb));
  decoded.height = static_cast<int>(FreeImage_GetHeight(rgb));
  decoded.pixels.resize(static_cast<size_t>(decoded.width) * decoded.height);
  for (int y = 0; y < decoded.height; ++y) {
    // FreeImage rows run bottom-up.
    const BYTE* row = FreeImage_GetScanLine(rgb, decoded.height - 1 - y);
    for (int x = 0; x < decoded.width; ++x) {
      const BYTE* p = row + 3 * x;
      decoded.pixels[static_cast<size_t>(y) * decoded.width + x] =
          (uint32_t(p[FI_RGBA_RED]) << 16) | (uint32_t(p[FI_RGBA_GREEN]) << 8) | p[FI_RGBA_BLUE];
    }
  }
  FreeImage_Unload(rgb);
  decoded.ok = true;
  return decoded;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    const int ca = int((a >> shift) & 0xFF), cb = int((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

std::vector<std::string> CliTest::WithInput(std::vector<std::string> extra) const {
  std::vector<std::string> arguments = {"-i", input_, "-o", box_.Out()};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  return arguments;
}

}  // namespace clitest
