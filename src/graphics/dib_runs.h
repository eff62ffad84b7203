#pragma once
// Run-length encoded DIB pixels: 8 bits a pixel in byte runs, or 4 bits a pixel in runs of
// alternating nibbles. A pair (count, value) repeats a value; a zero count introduces an escape:
// end of line, end of bitmap, a delta (move right and up), or an absolute run of stored pixels
// padded to a 16-bit boundary.

#include <cstdint>
#include <span>

#include "graphics/bitmap.h"
#include "graphics/dib_layout.h"

namespace plorvane {

// Decodes `runs` (the pixel data of a layout with run_length set) into a bitmap of the layout's
// size. Runs start at the bottom row, the only order the encoding has. A pixel that no run
// reaches (skipped by a delta or an early end of line) keeps colour index 0, as in a bitmap
// Windows decodes from such a file. Runs may cover the row's padding (the bytes that round an
// uncompressed row up to 32 bits), which some encoders fill; those pixels are dropped. False,
// with `out` unchanged, when a run or a delta passes the end of its padded row, a write or a
// move passes the top row, an escape or run reads past the end of `runs`, or the runs stop
// without their end-of-bitmap mark.
bool DecodeDibRuns(const DibLayout& layout, std::span<const std::uint8_t> runs, Bitmap& out);

}  // namespace plorvane
