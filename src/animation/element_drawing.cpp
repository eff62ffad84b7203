// TSAN's drawing of one placed element and the transparency test that hit testing uses. Both
// read the frame through FrameView, so what is hit is exactly what is drawn.

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "animation/animation.h"
#include "graphics/canvas.h"

namespace plorvane {
namespace {

constexpr std::int64_t kPercent = 100;

int SaturateToInt(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The element's current frame in the strip and the shift of its content inside the element's
// rectangle, before the flips. A flipped element scrolls its content the other way in the
// strip, so it still moves the way its step says on the picture.
struct FrameView {
  int left = 0;  // strip column of the frame's first column
  int width = 0;
  int height = 0;
  int offset_x = 0;
  int offset_y = 0;
};

// Offsets far outside the element (a stream may hold any) move the content just as far out.
int ScrollOffset(int size, std::int32_t percent, bool flipped, bool scrolling) {
  if (!scrolling) return 0;
  const std::int64_t signed_percent = flipped ? -std::int64_t{percent} : std::int64_t{percent};
  return static_cast<int>(std::clamp<std::int64_t>(size * signed_percent / kPercent, -size, size));
}

// None when the strip holds no whole frame. A frame number past the last frame shows the last.
std::optional<FrameView> ViewOf(const TSAN& animation, const TElementRec& element) {
  const int frames = animation.FrameCount();
  if (frames < 1 || animation.Height() < 1) return std::nullopt;
  const int frame = std::clamp(element.pI, 1, frames);
  FrameView view;
  view.width = animation.pW();
  view.height = animation.Height();
  // frames * pW fits the strip's width, so this cannot overflow.
  view.left = (frame - 1) * view.width;
  // A still element never scrolls, whatever offsets it holds.
  const bool playing = element.pD != 0;
  view.offset_x = ScrollOffset(view.width, element.pSSH, element.pFH, playing && element.pSH != 0);
  view.offset_y = ScrollOffset(view.height, element.pSSV, element.pFV, playing && element.pSV != 0);
  return view;
}

bool FlashHidden(const TElementRec& element) { return element.pD != 0 && element.pF != 0 && !element.pFS; }

// The columns (or rows) [first, end) of the element's rectangle, before the flips, that the
// shifted content still covers.
struct Covered {
  int first = 0;
  int end = 0;
  [[nodiscard]] bool empty() const { return first >= end; }
};

Covered CoveredPart(int size, int offset) { return {std::max(0, offset), std::min(size, size + offset)}; }

void DrawFrame(const Bitmap& strip, const FrameView& view, const TElementRec& element, Bitmap& canvas) {
  const Colour transparent = strip.GetPixel(view.left, 0);
  const bool shifted = view.offset_x != 0 || view.offset_y != 0;
  // Opaque content shifted out of the rectangle uncovers the transparent colour.
  if (shifted && !element.pT) {
    FillRect(canvas, Rect::FromSize(element.pX, element.pY, view.width, view.height), transparent);
  }
  const Covered columns = CoveredPart(view.width, view.offset_x);
  const Covered rows = CoveredPart(view.height, view.offset_y);
  if (columns.empty() || rows.empty()) return;

  const Rect from{view.left + columns.first - view.offset_x, rows.first - view.offset_y,
                  view.left + columns.end - view.offset_x, rows.end - view.offset_y};
  // A flip mirrors the covered part within the rectangle as well as the pixels inside it.
  const std::int64_t left = element.pFH ? std::int64_t{element.pX} + view.width - columns.end
                                        : std::int64_t{element.pX} + columns.first;
  const std::int64_t top = element.pFV ? std::int64_t{element.pY} + view.height - rows.end
                                       : std::int64_t{element.pY} + rows.first;
  const Point to{SaturateToInt(left), SaturateToInt(top)};
  const Orientation orientation{element.pFH, element.pFV};
  if (element.pT) {
    CopyRectTransparent(strip, from, canvas, to, transparent, orientation);
  } else {
    CopyRectMirrored(strip, from, canvas, to, orientation);
  }
}

void DrawOutline(const TElementRec& element, Bitmap& canvas, int outline) {
  const Rect box{SaturateToInt(std::int64_t{element.pX} - 1), SaturateToInt(std::int64_t{element.pY} - 1),
                 SaturateToInt(std::int64_t{element.pX} + element.Width + 1),
                 SaturateToInt(std::int64_t{element.pY} + element.Height + 1)};
  if (box.empty()) return;
  FrameRect(canvas, box, kWhite);
  if (outline == TSAN::kFocusOutline) {
    DrawFocusRect(canvas, box);
    return;
  }
  // Each corner is the last pixel inside the box; the line closes on the first corner.
  const std::array<Point, 5> corners = {Point{box.left, box.top}, Point{box.right - 1, box.top},
                                        Point{box.right - 1, box.bottom - 1}, Point{box.left, box.bottom - 1},
                                        Point{box.left, box.top}};
  InvertDottedPolyline(canvas, corners);
}

}  // namespace

void TSAN::DrawElement(const TElementRec& element, Bitmap& canvas, int outline) const {
  const std::optional<FrameView> view = ViewOf(*this, element);
  if (view && !FlashHidden(element)) DrawFrame(strip_, *view, element, canvas);
  if (outline == kFocusOutline || outline == kDottedOutline) DrawOutline(element, canvas, outline);
}

bool TSAN::IsTransparentAt(const TElementRec& element, int x, int y) const {
  if (FlashHidden(element)) return true;
  const std::optional<FrameView> view = ViewOf(*this, element);
  if (!view) return true;
  x = std::clamp(x, 0, view->width - 1);
  y = std::clamp(y, 0, view->height - 1);
  if (element.pFH) x = view->width - 1 - x;
  if (element.pFV) y = view->height - 1 - y;
  x -= view->offset_x;
  y -= view->offset_y;
  if (x < 0 || x >= view->width || y < 0 || y >= view->height) return true;
  return strip_.GetPixel(view->left + x, y) == strip_.GetPixel(view->left, 0);
}

}  // namespace plorvane
