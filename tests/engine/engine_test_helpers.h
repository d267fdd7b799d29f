// Shared set-up for the engine tests: a fresh temporary folder, the run records reset to
// the command-line defaults, small file helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/bitmap.h"

namespace enginetest {

// A new empty folder under the system's temporary folder, removed with its contents.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder's path, ending in "/".
  const std::string& path() const { return path_; }
  // The names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::string path_;
};

// Settings and ConversionJob at their command-line defaults, the output set up for jpg.
void ResetRunRecords();

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);

// A 32-bit bitmap filled with one colour (0xAARRGGBB).
vecrast::Bitmap SolidBitmap(int width, int height, uint32_t argb);

}  // namespace enginetest
