// Process-wide allocator settings chosen for a short run over a few large pixel buffers.
#pragma once

namespace vecrast {

// Serves picture-sized buffers (up to 32 MiB) from the heap and keeps freed ones there, so
// the canvas, the bitmaps made from it and the encoder's buffers reuse the same pages
// instead of each mapping, zeroing and faulting in fresh ones. Larger buffers are still
// mapped on their own and given back when freed.
void KeepPictureBuffersInHeap();

}  // namespace vecrast
