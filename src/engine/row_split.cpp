#include "engine/row_split.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace vecrast {
namespace {

constexpr long long kPixelsPerExtraThread = 250000;
constexpr int kMaxThreads = 2;

}  // namespace

int RowThreads(long long pixels, int requested) {
  if (requested > 0) return requested;
  return pixels > kPixelsPerExtraThread ? kMaxThreads : 1;
}

void SplitRows(int rows, int threads, const std::function<void(int begin, int end)>& work) {
  if (rows <= 0) return;
  const int chunks = std::clamp(threads, 1, rows);
  std::vector<std::thread> helpers;
  helpers.reserve(static_cast<std::size_t>(chunks - 1));
  auto chunkStart = [&](int chunk) {
    return static_cast<int>(static_cast<long long>(rows) * chunk / chunks);
  };
  for (int chunk = 0; chunk + 1 < chunks; ++chunk) {
    const int begin = chunkStart(chunk);
    const int end = chunkStart(chunk + 1);
    try {
      helpers.emplace_back(work, begin, end);
    } catch (const std::system_error&) {
      work(begin, end);  // no thread to be had: this chunk runs here instead
    }
  }
  work(chunkStart(chunks - 1), rows);
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace vecrast
