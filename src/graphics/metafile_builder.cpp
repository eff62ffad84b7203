#include "graphics/metafile_builder.h"

#include "graphics/little_endian.h"

namespace plorvane::metafile {

bool ReadI16(Bytes data, std::size_t at, std::int32_t& value) {
  std::uint16_t raw = 0;
  if (!le::ReadU16(data, at, raw)) return false;
  value = static_cast<std::int16_t>(raw);
  return true;
}

DrawingBuilder::DrawingBuilder(Kind kind, Rect frame) {
  drawing_.kind = kind;
  drawing_.frame = frame;
}

bool DrawingBuilder::Add(Command command) {
  if (drawing_.commands.size() >= kMaxCommands) return false;
  drawing_.commands.push_back(std::move(command));
  return true;
}

bool DrawingBuilder::AddSelection(std::uint32_t index) {
  auto selection = objects_.Selection(index);
  return !selection || Add(std::move(*selection));
}

bool DrawingBuilder::TakePoints(std::uint64_t count) {
  if (count > kMaxPoints - points_) return false;
  points_ += count;
  return true;
}

bool DrawingBuilder::TakeBitmapPixels(std::int64_t pixels) {
  if (pixels < 0 || pixels > kMaxBitmapPixels - bitmap_pixels_) return false;
  bitmap_pixels_ += pixels;
  return true;
}

bool DrawingBuilder::ReadPoints(Bytes record, std::size_t at, std::uint64_t count, std::size_t coordinate_bytes,
                                std::vector<Point>& points) {
  const std::size_t point_bytes = 2 * coordinate_bytes;
  if (at > record.size() || count > (record.size() - at) / point_bytes || !TakePoints(count)) return false;
  points.resize(static_cast<std::size_t>(count));
  for (Point& point : points) {
    if (coordinate_bytes == 2) {
      ReadI16(record, at, point.x);
      ReadI16(record, at + 2, point.y);
    } else {
      le::ReadI32(record, at, point.x);
      le::ReadI32(record, at + 4, point.y);
    }
    at += point_bytes;
  }
  return true;
}

Drawing DrawingBuilder::Finish(bool cut_short) {
  drawing_.cut_short = cut_short;
  return std::move(drawing_);
}

bool AddMapMode(DrawingBuilder& builder, std::uint32_t mode) {
  constexpr std::uint32_t kText = 1;
  constexpr std::uint32_t kLastFixed = 6;
  constexpr std::uint32_t kIsotropic = 7;
  constexpr std::uint32_t kAnisotropic = 8;
  if (mode == kText) return builder.Add(SetMapMode{MapMode::kText});
  if (mode > kText && mode <= kLastFixed) return builder.Add(SetMapMode{MapMode::kFixed});
  if (mode == kIsotropic) return builder.Add(SetMapMode{MapMode::kIsotropic});
  if (mode == kAnisotropic) return builder.Add(SetMapMode{MapMode::kAnisotropic});
  return true;
}

}  // namespace plorvane::metafile
