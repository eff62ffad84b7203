#pragma once
// What the two metafile readers share while they decode: the drawing being built, the object
// table, and the caps on commands, points and bitmap pixels (metafile_records.h), checked before
// anything is allocated.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/metafile_objects.h"
#include "graphics/metafile_records.h"

namespace plorvane::metafile {

using Bytes = std::span<const std::uint8_t>;

// A signed 16-bit field, widened.
bool ReadI16(Bytes data, std::size_t at, std::int32_t& value);

class DrawingBuilder {
 public:
  DrawingBuilder(Kind kind, Rect frame);

  // False, with the command dropped, once the command cap is reached.
  bool Add(Command command);
  // Adds the Select command of the object at `index`, when it has one.
  bool AddSelection(std::uint32_t index);
  // Counts points and bitmap pixels against their caps before they are read; false beyond one.
  bool TakePoints(std::uint64_t count);
  bool TakeBitmapPixels(std::int64_t pixels);

  // `count` points of 16- or 32-bit coordinates (x before y) at `at`; false when they do not fit
  // in `record` or pass the point cap.
  bool ReadPoints(Bytes record, std::size_t at, std::uint64_t count, std::size_t coordinate_bytes,
                  std::vector<Point>& points);

  ObjectTable& objects() { return objects_; }
  Drawing Finish(bool cut_short);

 private:
  Drawing drawing_;
  ObjectTable objects_;
  std::uint64_t points_ = 0;
  std::int64_t bitmap_pixels_ = 0;
};

// A map-mode record's mode as both kinds number it (MM_TEXT 1 .. MM_ANISOTROPIC 8); modes outside
// that range are skipped.
bool AddMapMode(DrawingBuilder& builder, std::uint32_t mode);

}  // namespace plorvane::metafile
