#pragma once
// The drawing commands that enhanced and Windows metafiles decode into. Both readers turn their
// records into the same plain commands in logical coordinates, so one painter draws both kinds
// and every reader is tested and fuzzed without a display.
//
// Objects (pens, brushes, fonts) are resolved by the readers: creating an object only fills the
// reader's object table, and selecting one becomes a Select command that carries the object's
// values. An object that is not drawn here (palettes, regions, pattern brushes) still takes its
// place in the table, and selecting it changes nothing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/colour.h"
#include "support/limits.h"

namespace plorvane::metafile {

// Caps on what one metafile may make the readers hold; the reading stops at a cap and what was
// read so far is drawn.
inline constexpr std::size_t kMaxCommands = 1 << 20;
inline constexpr std::size_t kMaxPoints = 1 << 22;
inline constexpr std::uint32_t kMaxObjects = 0xFFFF;
inline constexpr std::int64_t kMaxBitmapPixels = limits::kMaxCardPixels;
inline constexpr std::size_t kMaxSavedStates = 1024;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Corners as the record gives them; not normalised.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A place and size, as blits give them; a negative side mirrors.
struct Box {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

enum class PenStyle : std::uint8_t { kSolid, kDash, kDot, kDashDot, kDashDotDot, kNull };

struct Pen {
  Colour colour = kBlack;
  std::int32_t width = 0;  // logical units; 0 draws one pixel wide at any scale
  PenStyle style = PenStyle::kSolid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle : std::uint8_t {
  kSolid,
  kNull,
  kHorizontal,
  kVertical,
  kForwardDiagonal,
  kBackwardDiagonal,
  kCross,
  kDiagonalCross
};

struct Brush {
  Colour colour = kWhite;
  BrushStyle style = BrushStyle::kSolid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
  std::int32_t height = 0;      // logical units: below 0 the character height, above 0 the cell height, 0 a default
  std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::u16string face;
  friend bool operator==(const Font&, const Font&) = default;
};

// Text alignment flags as the records give them.
inline constexpr std::uint32_t kAlignRight = 0x02;
inline constexpr std::uint32_t kAlignCentre = 0x06;
inline constexpr std::uint32_t kAlignBottom = 0x08;
inline constexpr std::uint32_t kAlignBaseline = 0x18;

enum class MapMode : std::uint8_t { kText, kFixed, kIsotropic, kAnisotropic };
enum class ArcKind : std::uint8_t { kArc, kChord, kPie };
enum class MappingField : std::uint8_t { kWindowOrigin, kWindowExtent, kViewportOrigin, kViewportExtent };

struct SelectPen {
  Pen pen;
  friend bool operator==(const SelectPen&, const SelectPen&) = default;
};
struct SelectBrush {
  Brush brush;
  friend bool operator==(const SelectBrush&, const SelectBrush&) = default;
};
struct SelectFont {
  Font font;
  friend bool operator==(const SelectFont&, const SelectFont&) = default;
};
struct SetMapping {
  MappingField field;
  Point value;
  friend bool operator==(const SetMapping&, const SetMapping&) = default;
};
struct OffsetWindowOrigin {
  Point by;
  friend bool operator==(const OffsetWindowOrigin&, const OffsetWindowOrigin&) = default;
};
struct ScaleWindowExtent {
  std::int32_t x_num = 1;
  std::int32_t x_denom = 1;
  std::int32_t y_num = 1;
  std::int32_t y_denom = 1;
  friend bool operator==(const ScaleWindowExtent&, const ScaleWindowExtent&) = default;
};
struct SetMapMode {
  MapMode mode;
  friend bool operator==(const SetMapMode&, const SetMapMode&) = default;
};
struct SetBackgroundOpaque {
  bool opaque;
  friend bool operator==(const SetBackgroundOpaque&, const SetBackgroundOpaque&) = default;
};
struct SetBackgroundColour {
  Colour colour;
  friend bool operator==(const SetBackgroundColour&, const SetBackgroundColour&) = default;
};
struct SetTextColour {
  Colour colour;
  friend bool operator==(const SetTextColour&, const SetTextColour&) = default;
};
struct SetTextAlign {
  std::uint32_t flags;
  friend bool operator==(const SetTextAlign&, const SetTextAlign&) = default;
};
struct SetWindingFill {
  bool winding;
  friend bool operator==(const SetWindingFill&, const SetWindingFill&) = default;
};
struct SaveState {
  friend bool operator==(const SaveState&, const SaveState&) = default;
};
struct RestoreState {
  std::int32_t which;  // below 0 counts back from the latest save; above 0 names a depth
  friend bool operator==(const RestoreState&, const RestoreState&) = default;
};
struct MoveTo {
  Point to;
  friend bool operator==(const MoveTo&, const MoveTo&) = default;
};
struct LineTo {
  Point to;
  friend bool operator==(const LineTo&, const LineTo&) = default;
};
// Lines through the points; `from_position` starts them at the current position, which moves
// to the last point.
struct Polyline {
  std::vector<Point> points;
  bool from_position = false;
  friend bool operator==(const Polyline&, const Polyline&) = default;
};
struct Bezier {
  std::vector<Point> points;  // a start, then three points a curve (a start only with from_position)
  bool from_position = false;
  friend bool operator==(const Bezier&, const Bezier&) = default;
};
struct Polygon {
  std::vector<Point> points;
  friend bool operator==(const Polygon&, const Polygon&) = default;
};
struct PolyPolygon {
  std::vector<std::vector<Point>> parts;
  bool closed = true;
  friend bool operator==(const PolyPolygon&, const PolyPolygon&) = default;
};
struct Rectangle {
  Rect box;
  friend bool operator==(const Rectangle&, const Rectangle&) = default;
};
struct RoundRect {
  Rect box;
  Point corner;
  friend bool operator==(const RoundRect&, const RoundRect&) = default;
};
struct Ellipse {
  Rect box;
  friend bool operator==(const Ellipse&, const Ellipse&) = default;
};
struct Arc {
  ArcKind kind;
  Rect box;
  Point start;
  Point end;
  friend bool operator==(const Arc&, const Arc&) = default;
};
struct Text {
  Point at;
  std::u16string text;
  std::optional<Rect> opaque_box;  // filled with the background colour first
  std::optional<Rect> clip_box;
  friend bool operator==(const Text&, const Text&) = default;
};
// A bitmap stretched onto `dest` (logical units) from the part `source` of it (its pixels,
// counted from the top row).
struct DrawBitmap {
  Box dest;
  Box source;
  Bitmap pixels;
  friend bool operator==(const DrawBitmap&, const DrawBitmap&) = default;
};
enum class FillWith : std::uint8_t { kBrush, kBlack, kWhite };
struct FillBox {
  Box dest;
  FillWith with;
  friend bool operator==(const FillBox&, const FillBox&) = default;
};

using Command = std::variant<SelectPen, SelectBrush, SelectFont, SetMapping, OffsetWindowOrigin, ScaleWindowExtent,
                             SetMapMode, SetBackgroundOpaque, SetBackgroundColour, SetTextColour, SetTextAlign,
                             SetWindingFill, SaveState, RestoreState, MoveTo, LineTo, Polyline, Bezier, Polygon,
                             PolyPolygon, Rectangle, RoundRect, Ellipse, Arc, Text, DrawBitmap, FillBox>;

enum class Kind : std::uint8_t { kEnhanced, kWindows };

struct Drawing {
  Kind kind = Kind::kEnhanced;
  // Enhanced: the bounds in reference-device pixels, inclusive on both sides. Windows: the
  // placeable header's bounding box in logical units when there is one; otherwise empty, and
  // the window records give the frame.
  Rect frame;
  std::vector<Command> commands;
  // The reading stopped early at a damaged record or a cap; the commands read before it stay.
  bool cut_short = false;
};

}  // namespace plorvane::metafile
