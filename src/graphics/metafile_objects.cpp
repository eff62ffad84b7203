#include "graphics/metafile_objects.h"

#include <algorithm>
#include <iterator>

namespace plorvane::metafile {

bool ObjectTable::Put(std::uint32_t index, Object object) {
  if (index >= kMaxObjects) return false;
  objects_[index] = std::move(object);
  return true;
}

bool ObjectTable::PutInFreeSlot(Object object) {
  if (free_.empty()) {
    if (!Put(end_, std::move(object))) return false;
    ++end_;
    return true;
  }
  const std::uint32_t index = *free_.begin();
  free_.erase(free_.begin());
  return Put(index, std::move(object));
}

void ObjectTable::Remove(std::uint32_t index) {
  if (objects_.erase(index) != 0 && index < end_) free_.insert(index);
}

std::optional<Command> ObjectTable::Selection(std::uint32_t index) const {
  const auto found = objects_.find(index);
  if (found == objects_.end()) return std::nullopt;
  return SelectionOf(found->second);
}

std::optional<Command> SelectionOf(const Object& object) {
  if (const auto* pen = std::get_if<Pen>(&object)) return SelectPen{*pen};
  if (const auto* brush = std::get_if<Brush>(&object)) return SelectBrush{*brush};
  if (const auto* font = std::get_if<Font>(&object)) return SelectFont{*font};
  return std::nullopt;
}

Colour ColourOf(std::uint32_t colour_ref) { return colour_ref & 0xFFFFFF; }

Pen PenOf(std::uint32_t style, std::int32_t width, std::uint32_t colour_ref) {
  Pen pen{ColourOf(colour_ref), std::max(width, 0), PenStyle::kSolid};
  switch (style & 0xF) {
    case 1: pen.style = PenStyle::kDash; break;
    case 2:
    case 8: pen.style = PenStyle::kDot; break;  // 8: every other pixel
    case 3: pen.style = PenStyle::kDashDot; break;
    case 4: pen.style = PenStyle::kDashDotDot; break;
    case 5: pen.style = PenStyle::kNull; break;
    default: break;  // solid, inside the frame, or styles of the file's own, drawn solid
  }
  return pen;
}

Object BrushOf(std::uint32_t style, std::uint32_t colour_ref, std::uint32_t hatch) {
  constexpr std::uint32_t kSolid = 0;
  constexpr std::uint32_t kNull = 1;
  constexpr std::uint32_t kHatched = 2;
  constexpr BrushStyle kHatches[] = {BrushStyle::kHorizontal,       BrushStyle::kVertical, BrushStyle::kForwardDiagonal,
                                     BrushStyle::kBackwardDiagonal, BrushStyle::kCross,    BrushStyle::kDiagonalCross};
  const Colour colour = ColourOf(colour_ref);
  switch (style) {
    case kSolid: return Brush{colour, BrushStyle::kSolid};
    case kNull: return Brush{colour, BrushStyle::kNull};
    case kHatched: return Brush{colour, hatch < std::size(kHatches) ? kHatches[hatch] : BrushStyle::kSolid};
    default: return OtherObject{};  // pattern brushes
  }
}

std::optional<Object> StockObject(std::uint32_t number) {
  constexpr std::uint32_t kFirstFont = 10;
  constexpr std::uint32_t kLastFont = 17;
  switch (number) {
    case 0: return Brush{kWhite, BrushStyle::kSolid};
    case 1: return Brush{MakeColour(192, 192, 192), BrushStyle::kSolid};
    case 2: return Brush{MakeColour(128, 128, 128), BrushStyle::kSolid};
    case 3: return Brush{MakeColour(64, 64, 64), BrushStyle::kSolid};
    case 4: return Brush{kBlack, BrushStyle::kSolid};
    case 5: return Brush{kBlack, BrushStyle::kNull};
    case 6: return Pen{kWhite, 0, PenStyle::kSolid};
    case 7: return Pen{kBlack, 0, PenStyle::kSolid};
    case 8: return Pen{kBlack, 0, PenStyle::kNull};
    default: break;
  }
  if (number >= kFirstFont && number <= kLastFont) return Font{};
  return std::nullopt;
}

}  // namespace plorvane::metafile
