#include "graphics/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace plorvane {
namespace {

constexpr std::size_t kPixelBytes = 3;

int Saturate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The indices i in [0, length) of one axis of a copy for which both the destination coordinate
// (dst_start + i) and the source coordinate (src_start + i, or counted from the far end when
// reversed) lie inside their bitmaps.
struct Span {
  std::int64_t first = 0;
  std::int64_t end = 0;
  [[nodiscard]] bool empty() const { return first >= end; }
};

Span ClipAxis(std::int64_t src_start, std::int64_t length, std::int64_t src_size, std::int64_t dst_start,
              std::int64_t dst_size, bool reversed) {
  Span span{0, length};
  span.first = std::max(span.first, -dst_start);
  span.end = std::min(span.end, dst_size - dst_start);
  if (reversed) {
    span.first = std::max(span.first, src_start + length - src_size);
    span.end = std::min(span.end, src_start + length);
  } else {
    span.first = std::max(span.first, -src_start);
    span.end = std::min(span.end, src_size - src_start);
  }
  return span;
}

std::int64_t SourceIndex(std::int64_t start, std::int64_t length, std::int64_t i, bool reversed) {
  return reversed ? start + length - 1 - i : start + i;
}

bool SameColour(const std::uint8_t* pixel, const std::uint8_t* colour_bgr) {
  return pixel[0] == colour_bgr[0] && pixel[1] == colour_bgr[1] && pixel[2] == colour_bgr[2];
}

void CopyPixels(const Bitmap& src, const Rect& from, Bitmap& dst, Point to, Orientation orientation,
                const Colour* transparent) {
  if (&src == &dst) {
    // Overlapping source and destination rows would read pixels already overwritten.
    const Bitmap snapshot = src;
    CopyPixels(snapshot, from, dst, to, orientation, transparent);
    return;
  }
  const std::int64_t width = from.width();
  const std::int64_t height = from.height();
  if (width <= 0 || height <= 0) return;
  const Span columns = ClipAxis(from.left, width, src.width(), to.x, dst.width(), orientation.mirror);
  const Span rows = ClipAxis(from.top, height, src.height(), to.y, dst.height(), orientation.flip);
  if (columns.empty() || rows.empty()) return;

  const std::size_t count = static_cast<std::size_t>(columns.end - columns.first);
  const std::int64_t first_src_x = SourceIndex(from.left, width, columns.first, orientation.mirror);
  const std::ptrdiff_t src_step = orientation.mirror ? -3 : 3;
  const std::uint8_t key[3] = {transparent ? BlueOf(*transparent) : std::uint8_t{0},
                               transparent ? GreenOf(*transparent) : std::uint8_t{0},
                               transparent ? RedOf(*transparent) : std::uint8_t{0}};
  const bool plain = !orientation.mirror && transparent == nullptr;

  for (std::int64_t j = rows.first; j < rows.end; ++j) {
    const auto src_y = static_cast<int>(SourceIndex(from.top, height, j, orientation.flip));
    const std::uint8_t* in = src.scanline(src_y) + static_cast<std::size_t>(first_src_x) * kPixelBytes;
    std::uint8_t* out = dst.scanline(static_cast<int>(to.y + j)) +
                        static_cast<std::size_t>(to.x + columns.first) * kPixelBytes;
    if (plain) {
      std::memcpy(out, in, count * kPixelBytes);
      continue;
    }
    for (std::size_t i = 0; i < count; ++i, in += src_step, out += kPixelBytes) {
      if (transparent != nullptr && SameColour(in, key)) continue;
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
    }
  }
}

// The rectangle's part that lies inside the bitmap; empty when none does.
Rect ClipToBitmap(const Bitmap& bitmap, const Rect& rect) {
  return Rect{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, bitmap.width()),
              std::min(rect.bottom, bitmap.height())};
}

void InvertPixel(Bitmap& bitmap, int x, int y) {
  if (!bitmap.Contains(x, y)) return;
  std::uint8_t* pixel = bitmap.scanline(y) + static_cast<std::size_t>(x) * kPixelBytes;
  pixel[0] ^= 0xFF;
  pixel[1] ^= 0xFF;
  pixel[2] ^= 0xFF;
}

// Inverts the dotted line from `from` up to `to`; `phase` is the pattern position at `from`
// and comes back advanced past the segment, so the pattern continues on the next one.
void InvertDottedSegment(Bitmap& bitmap, Point from, Point to, std::int64_t& phase) {
  const std::int64_t dx = std::int64_t{to.x} - from.x;
  const std::int64_t dy = std::int64_t{to.y} - from.y;
  const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps == 0) return;
  // Along the major axis the position moves one pixel per step, so the steps that stay inside
  // the bitmap form one range; only those are visited, however long the line.
  const bool major_x = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t start = major_x ? from.x : from.y;
  const std::int64_t size = major_x ? bitmap.width() : bitmap.height();
  const bool backwards = (major_x ? dx : dy) < 0;
  const std::int64_t first = std::max<std::int64_t>(0, backwards ? start - size + 1 : -start);
  const std::int64_t end = std::min(steps, backwards ? start + 1 : size - start);
  const std::int64_t major_step = backwards ? -1 : 1;
  const double minor_slope = static_cast<double>(major_x ? dy : dx) / static_cast<double>(steps);
  for (std::int64_t i = first; i < end; ++i) {
    if ((phase + i) % 2 != 0) continue;
    // The minor axis is only approximate on slanted lines; the lines drawn here are straight.
    const std::int64_t along = start + major_step * i;
    const auto across = (major_x ? from.y : from.x) + static_cast<std::int64_t>(minor_slope * static_cast<double>(i));
    InvertPixel(bitmap, Saturate(major_x ? along : across), Saturate(major_x ? across : along));
  }
  phase += steps;
}

}  // namespace

Rect Rect::FromSize(int x, int y, int width, int height) {
  return Rect{x, y, Saturate(std::int64_t{x} + width), Saturate(std::int64_t{y} + height)};
}

int Rect::width() const { return Saturate(std::int64_t{right} - left); }
int Rect::height() const { return Saturate(std::int64_t{bottom} - top); }

void CopyRect(const Bitmap& src, const Rect& from, Bitmap& dst, Point to) {
  CopyPixels(src, from, dst, to, Orientation{}, nullptr);
}

void CopyRectMirrored(const Bitmap& src, const Rect& from, Bitmap& dst, Point to, Orientation orientation) {
  CopyPixels(src, from, dst, to, orientation, nullptr);
}

void CopyRectTransparent(const Bitmap& src, const Rect& from, Bitmap& dst, Point to, Colour transparent,
                         Orientation orientation) {
  CopyPixels(src, from, dst, to, orientation, &transparent);
}

void StretchCopy(const Bitmap& src, const Rect& from, Bitmap& dst, const Rect& to) {
  if (from.empty() || to.empty()) return;
  if (from.width() == to.width() && from.height() == to.height()) {
    CopyRect(src, from, dst, Point{to.left, to.top});
    return;
  }
  if (&src == &dst) {
    const Bitmap snapshot = src;
    StretchCopy(snapshot, from, dst, to);
    return;
  }
  const Rect visible = ClipToBitmap(dst, to);
  if (visible.empty()) return;

  // Source column of each visible destination column, -1 where it falls outside the source.
  std::vector<int> source_x(static_cast<std::size_t>(visible.width()));
  for (int x = visible.left; x < visible.right; ++x) {
    const std::int64_t sx = from.left + (std::int64_t{x} - to.left) * from.width() / to.width();
    source_x[static_cast<std::size_t>(x - visible.left)] = (sx >= 0 && sx < src.width()) ? static_cast<int>(sx) : -1;
  }
  for (int y = visible.top; y < visible.bottom; ++y) {
    const std::int64_t sy = from.top + (std::int64_t{y} - to.top) * from.height() / to.height();
    if (sy < 0 || sy >= src.height()) continue;
    const std::uint8_t* in = src.scanline(static_cast<int>(sy));
    std::uint8_t* out = dst.scanline(y) + static_cast<std::size_t>(visible.left) * kPixelBytes;
    for (const int sx : source_x) {
      if (sx >= 0) std::memcpy(out, in + static_cast<std::size_t>(sx) * kPixelBytes, kPixelBytes);
      out += kPixelBytes;
    }
  }
}

void FillRect(Bitmap& bitmap, const Rect& rect, Colour colour) {
  const Rect visible = ClipToBitmap(bitmap, rect);
  if (visible.empty()) return;
  const std::size_t offset = static_cast<std::size_t>(visible.left) * kPixelBytes;
  const std::size_t bytes = static_cast<std::size_t>(visible.width()) * kPixelBytes;
  std::uint8_t* first = bitmap.scanline(visible.top) + offset;
  for (std::size_t i = 0; i < bytes; i += kPixelBytes) {
    first[i] = BlueOf(colour);
    first[i + 1] = GreenOf(colour);
    first[i + 2] = RedOf(colour);
  }
  for (int y = visible.top + 1; y < visible.bottom; ++y) std::memcpy(bitmap.scanline(y) + offset, first, bytes);
}

void FrameRect(Bitmap& bitmap, const Rect& rect, Colour colour) {
  if (rect.empty()) return;
  FillRect(bitmap, Rect{rect.left, rect.top, rect.right, rect.top + 1}, colour);
  FillRect(bitmap, Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  FillRect(bitmap, Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  FillRect(bitmap, Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void InvertDottedLine(Bitmap& bitmap, Point from, Point to) {
  std::int64_t phase = 0;
  InvertDottedSegment(bitmap, from, to, phase);
}

void InvertDottedPolyline(Bitmap& bitmap, std::span<const Point> points) {
  std::int64_t phase = 0;
  for (std::size_t i = 1; i < points.size(); ++i) InvertDottedSegment(bitmap, points[i - 1], points[i], phase);
}

void DrawFocusRect(Bitmap& bitmap, const Rect& rect) {
  if (rect.empty()) return;
  const Rect visible = ClipToBitmap(bitmap, rect);
  if (visible.empty()) return;
  const auto on_pattern = [](int x, int y) { return ((x + y) & 1) == 0; };
  const auto invert_row = [&](int y) {
    if (y < visible.top || y >= visible.bottom) return;
    for (int x = visible.left; x < visible.right; ++x)
      if (on_pattern(x, y)) InvertPixel(bitmap, x, y);
  };
  const auto invert_column = [&](int x) {
    if (x < visible.left || x >= visible.right) return;
    // Rows of the top and bottom edges are left to invert_row, so no corner is inverted twice.
    for (int y = std::max(visible.top, rect.top + 1); y < std::min(visible.bottom, rect.bottom - 1); ++y)
      if (on_pattern(x, y)) InvertPixel(bitmap, x, y);
  };
  invert_row(rect.top);
  if (rect.height() > 1) invert_row(rect.bottom - 1);
  invert_column(rect.left);
  if (rect.width() > 1) invert_column(rect.right - 1);
}

}  // namespace plorvane
