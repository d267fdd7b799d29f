// Replays the fuzzer's seeds and saved crash reproducers (fuzz/seeds/, fuzz/regressions/)
// through the player, so every input that ever mattered keeps being checked under the
// sanitizers of the ordinary test build: each must keep every promise of the interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../fuzz/metafile_checks.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> SavedInputs(const char* folder) {
  std::vector<fs::path> inputs;
  const fs::path dir = fs::path(VECRAST_SOURCE_DIR) / "fuzz" / folder;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && !name.empty() && name[0] != '.') inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ReplayEach(const std::vector<fs::path>& inputs) {
  for (const fs::path& input : inputs) {
    const std::vector<uint8_t> bytes = ReadAll(input);
    EXPECT_EQ(metafile_checks::CheckPlayerOnInput(bytes.data(), bytes.size(), true), "") << input.filename();
  }
}

TEST(FuzzReplay, SeedsKeepTheInterfacePromises) {
  const auto seeds = SavedInputs("seeds");
  ASSERT_FALSE(seeds.empty()) << "fuzz/seeds/ is empty";
  ReplayEach(seeds);
}

// The inputs that once broke a promise (fuzz/regressions/, named after what they pin):
// kept so that the ordinary tests, under the sanitizers too, see them again.
TEST(FuzzReplay, SavedReproducersKeepTheInterfacePromises) {
  const auto reproducers = SavedInputs("regressions");
  ASSERT_FALSE(reproducers.empty()) << "fuzz/regressions/ is empty";
  ReplayEach(reproducers);
}

// Every prefix of a valid metafile is a truncated file the player must handle.
TEST(FuzzReplay, TruncatedSeedsKeepTheInterfacePromises) {
  for (const fs::path& seed : SavedInputs("seeds")) {
    const std::vector<uint8_t> bytes = ReadAll(seed);
    for (size_t size = 0; size < bytes.size(); size += std::max<size_t>(1, bytes.size() / 64)) {
      const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + std::ptrdiff_t(size));
      EXPECT_EQ(metafile_checks::CheckPlayerOnInput(prefix.data(), prefix.size(), false), "")
          << seed.filename() << " cut to " << size << " bytes";
    }
  }
}

}  // namespace
