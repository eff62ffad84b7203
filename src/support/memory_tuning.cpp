#include "support/memory_tuning.h"

#include <malloc.h>

namespace plorvane {

void KeepLargeBuffersForReuse() {
  // Buffers up to the largest card part come from the heap, and the heap keeps freed memory up
  // to a bound instead of trimming it after every save.
  constexpr int kHeapBufferLimit = 64 << 20;
  constexpr int kKeptFreeMemory = 256 << 20;
  mallopt(M_MMAP_THRESHOLD, kHeapBufferLimit);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
}

}  // namespace plorvane
