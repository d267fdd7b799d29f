#include "engine_test_helpers.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "temp_folder.h"
#include "engine/formats.h"
#include "engine/naming.h"
#include "settings/settings.h"

namespace enginetest {

TempFolder::TempFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/vecrast-engine-XXXXXX";
  if (mkdtemp(pattern.data())) path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Entries() const { return vecrast::testing::FolderEntries(path_); }

void ResetRunRecords() {
  vecrast::ResetSettings(true);
  vecrast::ResetConversionJob();
  vecrast::SetClockSource(nullptr);
  vecrast::SetRandomSource(nullptr);
  vecrast::ConversionJob.outputExtension = "jpg";
  vecrast::SetUpOutputFormat();
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  if (bytes.empty()) return static_cast<bool>(out);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

vecrast::Bitmap SolidBitmap(int width, int height, uint32_t argb) {
  vecrast::Bitmap bitmap = vecrast::Adopt(
      FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  if (!bitmap) return bitmap;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<uint32_t*>(FreeImage_GetScanLine(bitmap.get(), y));
    std::fill(line, line + width, argb);
  }
  return bitmap;
}

}  // namespace enginetest
