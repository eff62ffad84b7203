#pragma once
// Drawing operations on bitmaps. Every operation clips to both bitmaps, so any rectangle or point
// is safe to pass; the parts that fall outside are simply not drawn. They work on whole rows
// because they run in every animation tick.

#include <cstdint>
#include <span>

#include "graphics/bitmap.h"
#include "graphics/colour.h"

namespace plorvane {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, so a rectangle from (0, 0) to (w, h) covers a w by h bitmap.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect FromSize(int x, int y, int width, int height);
  // Differences are taken in 64 bits and saturated, so extreme coordinates cannot overflow.
  [[nodiscard]] int width() const;
  [[nodiscard]] int height() const;
  [[nodiscard]] bool empty() const { return width() <= 0 || height() <= 0; }

  friend bool operator==(const Rect&, const Rect&) = default;
};

// Mirror reverses left and right, flip reverses top and bottom.
struct Orientation {
  bool mirror = false;
  bool flip = false;
};

// Copies the part of `src` inside `from` so that its top-left lands on `to` in `dst`.
void CopyRect(const Bitmap& src, const Rect& from, Bitmap& dst, Point to);
void CopyRectMirrored(const Bitmap& src, const Rect& from, Bitmap& dst, Point to, Orientation orientation);
// As CopyRectMirrored, leaving destination pixels alone where the source has `transparent`.
void CopyRectTransparent(const Bitmap& src, const Rect& from, Bitmap& dst, Point to, Colour transparent,
                         Orientation orientation = {});
// Nearest-neighbour scaling of `from` onto `to`.
void StretchCopy(const Bitmap& src, const Rect& from, Bitmap& dst, const Rect& to);

void FillRect(Bitmap& bitmap, const Rect& rect, Colour colour);
// One-pixel outline just inside `rect`.
void FrameRect(Bitmap& bitmap, const Rect& rect, Colour colour);

// Inverts every other pixel of the line from `from` up to, not including, `to`. Leaving out the
// end point lets a closed polyline invert each corner once.
void InvertDottedLine(Bitmap& bitmap, Point from, Point to);
// The dot pattern runs on across the corners, as a dotted pen does.
void InvertDottedPolyline(Bitmap& bitmap, std::span<const Point> points);
// The dotted inverting outline of a focused item: a checkerboard on the one-pixel border of
// `rect`, each border pixel inverted exactly once, so drawing it twice restores the bitmap.
void DrawFocusRect(Bitmap& bitmap, const Rect& rect);

}  // namespace plorvane
