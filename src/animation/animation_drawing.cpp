// TSAG's compositing over the card's picture layer and the hit testing that finds what the
// mouse points at there.

#include <algorithm>
#include <cstdint>

#include "animation/animation_group.h"
#include "animation/saturating.h"

namespace plorvane {
namespace {

// Pixels of every element that stay on the picture, so none can be lost off its edge.
constexpr std::int64_t kMinimumOnPicture = 10;

// Keeps `size` pixels starting at `position` overlapping [0, extent) by the minimum, or
// wholly inside when smaller; a smaller element may still touch either edge. Raised first and
// lowered second, so with a picture narrower than the margins the upper limit wins. Both limits
// lie within int32 for any size.
std::int32_t KeepOnPicture(std::int32_t position, std::int32_t size, int extent) {
  const std::int64_t kept = std::min<std::int64_t>(kMinimumOnPicture, std::max(size, 0));
  const std::int64_t low = kept - size;
  const std::int64_t high = std::int64_t{extent} - kept;
  return static_cast<std::int32_t>(std::min(std::max(std::int64_t{position}, low), high));
}

}  // namespace

void TSAG::SetCanvas(Bitmap* canvas) {
  if (canvas == canvas_) return;
  canvas_ = canvas;
  Changed();
}

bool TSAG::ClampPosition(int index, std::int32_t& x, std::int32_t& y) const {
  // Without a picture or an element there is nothing to keep it on.
  if (canvas_ == nullptr || !ValidElement(index)) return true;
  const TElementRec& element = elements_[static_cast<std::size_t>(index)];
  const std::int32_t clamped_x = KeepOnPicture(x, element.Width, canvas_->width());
  const std::int32_t clamped_y = KeepOnPicture(y, element.Height, canvas_->height());
  const bool unchanged = clamped_x == x && clamped_y == y;
  x = clamped_x;
  y = clamped_y;
  return unchanged;
}

TSAN::OutlineStyle TSAG::OutlineFor(int index) const {
  if (!editable_) return TSAN::kNoOutline;
  if (index == selected_) return outline_mode_ == kOutlineNone ? TSAN::kNoOutline : TSAN::kFocusOutline;
  return outline_mode_ == kOutlineAll ? TSAN::kDottedOutline : TSAN::kNoOutline;
}

void TSAG::DrawAll() {
  if (canvas_ != nullptr) DrawArea(Rect{0, 0, canvas_->width(), canvas_->height()}, *canvas_);
}

void TSAG::DrawArea(const Rect& area, Bitmap& target) {
  if (canvas_ == nullptr) return;
  for (int index = 0; index <= LastElement(); ++index) {
    TElementRec& element = elements_[static_cast<std::size_t>(index)];
    const TSAN* animation = nullptr;
    if (!GetAnimation(element.pID, animation) || animation->LoadingCount() > 0 || !element.Shown) continue;
    // The picture may have shrunk since the element was placed; it moves back onto it.
    ClampPosition(index, element.pX, element.pY);
    // Grown by the outline's pixel on each side.
    const Rect box{SaturatingAdd(element.pX, -1), SaturatingAdd(element.pY, -1),
                   SaturatingAdd(element.pX, std::int64_t{element.Width} + 1),
                   SaturatingAdd(element.pY, std::int64_t{element.Height} + 1)};
    if (box.right <= area.left || box.left >= area.right || box.bottom <= area.top || box.top >= area.bottom) {
      continue;
    }
    TElementRec placed = element;
    placed.pX = SaturatingAdd(element.pX, -std::int64_t{area.left});
    placed.pY = SaturatingAdd(element.pY, -std::int64_t{area.top});
    animation->DrawElement(placed, target, OutlineFor(index));
  }
}

int TSAG::HitTest(int x, int y) const {
  if (canvas_ == nullptr || elements_.empty() || !canvas_->Contains(x, y)) return -1;
  int topmost = -1;
  for (int index = LastElement(); index >= 0; --index) {
    const TElementRec& element = elements_[static_cast<std::size_t>(index)];
    const TSAN* animation = nullptr;
    if (!GetAnimation(element.pID, animation)) continue;
    const std::int64_t local_x = std::int64_t{x} - element.pX;
    const std::int64_t local_y = std::int64_t{y} - element.pY;
    if (local_x < 0 || local_y < 0 || local_x >= element.Width || local_y >= element.Height) continue;
    if (topmost < 0) topmost = index;
    // A transparent pixel lets the click through to what lies below.
    if (!element.pT || !animation->IsTransparentAt(element, static_cast<int>(local_x), static_cast<int>(local_y))) {
      return index;
    }
  }
  return topmost;
}

}  // namespace plorvane
