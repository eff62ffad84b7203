#pragma once
// The object table both metafile readers keep: created pens, brushes and fonts by their index,
// so a later selection can carry the object's values (see metafile_records.h).

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <variant>

#include "graphics/metafile_records.h"

namespace plorvane::metafile {

// A palette, region or pattern brush: it holds its place in the table but draws nothing.
struct OtherObject {};
using Object = std::variant<OtherObject, Pen, Brush, Font>;

class ObjectTable {
 public:
  // Enhanced metafiles name the index. False (nothing stored) beyond the object cap.
  bool Put(std::uint32_t index, Object object);
  // Windows metafiles take the lowest free index. False (nothing stored) when every index up to
  // the cap is taken.
  bool PutInFreeSlot(Object object);
  void Remove(std::uint32_t index);

  // The Select command for the object at `index`; none for an empty index or an object that is
  // not drawn.
  [[nodiscard]] std::optional<Command> Selection(std::uint32_t index) const;

 private:
  std::map<std::uint32_t, Object> objects_;
  // Windows metafiles: every index below `end_` not in `free_` is taken.
  std::set<std::uint32_t> free_;
  std::uint32_t end_ = 0;
};

// The Select command of an object's values; none for OtherObject.
std::optional<Command> SelectionOf(const Object& object);

// Objects from the fields both kinds of file store: style numbers, COLORREF values, widths.
Pen PenOf(std::uint32_t style, std::int32_t width, std::uint32_t colour_ref);
Object BrushOf(std::uint32_t style, std::uint32_t colour_ref, std::uint32_t hatch);
Colour ColourOf(std::uint32_t colour_ref);

// The stock objects enhanced metafiles name by number: brushes 0..5, pens 6..8, fonts 10..17.
std::optional<Object> StockObject(std::uint32_t number);

}  // namespace plorvane::metafile
