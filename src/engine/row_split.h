// Sharing the rows of one picture between threads. The image steps compute each target row
// from read-only inputs alone, so which thread takes a row never changes a byte of it.
#pragma once

#include <functional>

namespace vecrast {

// Asks RowThreads to choose: two threads for large pictures, one for small ones.
inline constexpr int kAutomaticThreads = 0;

// The number of threads for a pass touching `pixels` pixels: `requested` when positive,
// otherwise two above 250,000 pixels (below that starting a thread costs more than it
// saves) and one under it.
int RowThreads(long long pixels, int requested);

// Runs work(begin, end) over [0, rows) in `threads` contiguous chunks of nearly equal size,
// the last one on the calling thread, and returns when all are done. If a thread cannot be
// started its chunk runs on the calling thread.
void SplitRows(int rows, int threads, const std::function<void(int begin, int end)>& work);

}  // namespace vecrast
