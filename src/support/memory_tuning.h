#pragma once
// Saving and loading a card allocate and free buffers of several MiB many times in a row. By
// default the C library hands each of them back to the system and faults fresh pages in for the
// next, which costs more than the compression itself; the programs keep them for reuse instead.

namespace plorvane {

// Called once at program start, before the first card is read.
void KeepLargeBuffersForReuse();

}  // namespace plorvane
