#include "graphics/emf_reader.h"

#include <type_traits>

#include "graphics/ansi_text.h"
#include "graphics/little_endian.h"
#include "graphics/metafile_bitmap.h"
#include "graphics/metafile_graphic.h"

namespace plorvane::metafile {
namespace {

enum Record : std::uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtent = 9,
  kSetWindowOrigin = 10,
  kSetViewportExtent = 11,
  kSetViewportOrigin = 12,
  kEndOfFile = 14,
  kSetMapMode = 17,
  kSetBackgroundMode = 18,
  kSetPolyFillMode = 19,
  kSetTextAlign = 22,
  kSetTextColour = 24,
  kSetBackgroundColour = 25,
  kMoveTo = 27,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrush = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kCreatePalette = 49,
  kLineTo = 54,
  kBitBlt = 76,
  kStretchBlt = 77,
  kStretchDibits = 81,
  kCreateFont = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrush = 94,
  kExtCreatePen = 95,
};

constexpr std::size_t kRecordHead = 8;
constexpr std::uint32_t kHeaderMinimum = 88;
constexpr std::uint32_t kStockObject = 0x80000000;

// The fixed part of each record the reader decodes, counted from the record's start; the
// reader touches no byte past it without checking.
std::uint32_t MinimumSize(std::uint32_t type) {
  switch (type) {
    case kSaveDc: return 8;
    case kSetMapMode:
    case kSetBackgroundMode:
    case kSetPolyFillMode:
    case kSetTextAlign:
    case kSetTextColour:
    case kSetBackgroundColour:
    case kRestoreDc:
    case kSelectObject:
    case kDeleteObject:
    case kCreatePalette: return 12;
    case kSetWindowExtent:
    case kSetWindowOrigin:
    case kSetViewportExtent:
    case kSetViewportOrigin:
    case kMoveTo:
    case kLineTo: return 16;
    case kEndOfFile: return 20;
    case kCreateBrush:
    case kEllipse:
    case kRectangle: return 24;
    case kCreatePen:
    case kPolyBezier:
    case kPolygon:
    case kPolyline:
    case kPolyBezierTo:
    case kPolylineTo:
    case kPolyBezier16:
    case kPolygon16:
    case kPolyline16:
    case kPolyBezierTo16:
    case kPolylineTo16: return 28;
    case kPolyPolyline:
    case kPolyPolygon:
    case kPolyPolyline16:
    case kPolyPolygon16:
    case kRoundRect:
    case kCreateMonoBrush:
    case kCreateDibPatternBrush: return 32;
    case kArc:
    case kChord:
    case kPie: return 40;
    case kExtCreatePen: return 52;
    case kExtTextOutA:
    case kExtTextOutW: return 76;
    case kStretchDibits: return 80;
    case kBitBlt: return 100;
    case kCreateFont: return 104;
    case kStretchBlt: return 108;
    default: return kRecordHead;
  }
}

// Fields below a record's minimum size are read without checks failing; the minimum was
// checked before the record was decoded.
std::uint32_t U32(Bytes record, std::size_t at) {
  std::uint32_t value = 0;
  le::ReadU32(record, at, value);
  return value;
}

std::int32_t I32(Bytes record, std::size_t at) { return static_cast<std::int32_t>(U32(record, at)); }

Point PointAt(Bytes record, std::size_t at) { return {I32(record, at), I32(record, at + 4)}; }

Rect RectAt(Bytes record, std::size_t at) {
  return {I32(record, at), I32(record, at + 4), I32(record, at + 8), I32(record, at + 12)};
}

Box BoxAt(Bytes record, std::size_t at, std::size_t size_at) {
  return {I32(record, at), I32(record, at + 4), I32(record, size_at), I32(record, size_at + 4)};
}

// A block an offset and a size in the record point at; none when it is not inside the record.
std::optional<Bytes> BlockAt(Bytes record, std::size_t offset_at) {
  const std::uint32_t offset = U32(record, offset_at);
  const std::uint32_t size = U32(record, offset_at + 4);
  if (!le::Fits(record.size(), offset, size)) return std::nullopt;
  return record.subspan(offset, size);
}

class EnhancedRecords {
 public:
  explicit EnhancedRecords(DrawingBuilder& builder) : builder_(builder) {}

  // False when the record is damaged or a cap is reached: the reading ends.
  bool Decode(std::uint32_t type, Bytes record) {
    switch (type) {
      case kSetWindowExtent: return Mapping(MappingField::kWindowExtent, record);
      case kSetWindowOrigin: return Mapping(MappingField::kWindowOrigin, record);
      case kSetViewportExtent: return Mapping(MappingField::kViewportExtent, record);
      case kSetViewportOrigin: return Mapping(MappingField::kViewportOrigin, record);
      case kSetMapMode: return AddMapMode(builder_, U32(record, 8));
      case kSetBackgroundMode: return builder_.Add(SetBackgroundOpaque{U32(record, 8) == 2});
      case kSetPolyFillMode: return builder_.Add(SetWindingFill{U32(record, 8) == 2});
      case kSetTextAlign: return builder_.Add(SetTextAlign{U32(record, 8)});
      case kSetTextColour: return builder_.Add(SetTextColour{ColourOf(U32(record, 8))});
      case kSetBackgroundColour: return builder_.Add(SetBackgroundColour{ColourOf(U32(record, 8))});
      case kSaveDc: return builder_.Add(SaveState{});
      case kRestoreDc: return builder_.Add(RestoreState{I32(record, 8)});
      case kMoveTo: return builder_.Add(MoveTo{PointAt(record, 8)});
      case kLineTo: return builder_.Add(LineTo{PointAt(record, 8)});
      case kSelectObject: return Select(U32(record, 8));
      case kDeleteObject:
        builder_.objects().Remove(U32(record, 8));
        return true;
      case kCreatePen:
        return Create(record, PenOf(U32(record, 12), I32(record, 16), U32(record, 24)));
      case kExtCreatePen: return ExtendedPen(record);
      case kCreateBrush: return Create(record, BrushOf(U32(record, 12), U32(record, 16), U32(record, 20)));
      case kCreatePalette:
      case kCreateMonoBrush:
      case kCreateDibPatternBrush: return Create(record, OtherObject{});
      case kCreateFont: return CreateFont(record);
      case kRectangle: return builder_.Add(Rectangle{RectAt(record, 8)});
      case kEllipse: return builder_.Add(Ellipse{RectAt(record, 8)});
      case kRoundRect: return builder_.Add(RoundRect{RectAt(record, 8), PointAt(record, 24)});
      case kArc: return ArcOf(ArcKind::kArc, record);
      case kChord: return ArcOf(ArcKind::kChord, record);
      case kPie: return ArcOf(ArcKind::kPie, record);
      case kPolygon: return Points<Polygon>(record, 4);
      case kPolygon16: return Points<Polygon>(record, 2);
      case kPolyline: return Points<Polyline>(record, 4);
      case kPolyline16: return Points<Polyline>(record, 2);
      case kPolylineTo: return Points<Polyline>(record, 4, true);
      case kPolylineTo16: return Points<Polyline>(record, 2, true);
      case kPolyBezier: return Points<Bezier>(record, 4);
      case kPolyBezier16: return Points<Bezier>(record, 2);
      case kPolyBezierTo: return Points<Bezier>(record, 4, true);
      case kPolyBezierTo16: return Points<Bezier>(record, 2, true);
      case kPolyPolygon: return Parts(record, 4, true);
      case kPolyPolygon16: return Parts(record, 2, true);
      case kPolyPolyline: return Parts(record, 4, false);
      case kPolyPolyline16: return Parts(record, 2, false);
      case kExtTextOutA: return TextOf(record, 1);
      case kExtTextOutW: return TextOf(record, 2);
      case kBitBlt: return BitmapBlit(record, Box{I32(record, 44), I32(record, 48), I32(record, 32), I32(record, 36)});
      case kStretchBlt: return BitmapBlit(record, BoxAt(record, 44, 100));
      case kStretchDibits: return StretchDibits(record);
      default: return true;  // not drawn
    }
  }

 private:
  bool Mapping(MappingField field, Bytes record) { return builder_.Add(SetMapping{field, PointAt(record, 8)}); }


  bool Select(std::uint32_t handle) {
    if ((handle & kStockObject) == 0) return builder_.AddSelection(handle);
    const std::optional<Object> stock = StockObject(handle & ~kStockObject);
    if (!stock) return true;
    auto selection = SelectionOf(*stock);
    return !selection || builder_.Add(std::move(*selection));
  }

  // An index beyond the object cap stores nothing; selecting it later selects nothing.
  bool Create(Bytes record, Object object) {
    builder_.objects().Put(U32(record, 8), std::move(object));
    return true;
  }

  bool ExtendedPen(Bytes record) {
    constexpr std::uint32_t kGeometric = 0x00010000;
    constexpr std::uint32_t kNullBrush = 1;
    const std::uint32_t style = U32(record, 28);
    Pen pen = PenOf(style, (style & kGeometric) != 0 ? I32(record, 32) : 0, U32(record, 40));
    if (U32(record, 36) == kNullBrush) pen.style = PenStyle::kNull;
    return Create(record, pen);
  }

  bool CreateFont(Bytes record) {
    constexpr std::size_t kFaceAt = 40;
    constexpr std::size_t kFaceUnits = 32;
    Font font;
    font.height = I32(record, 12);
    font.escapement = I32(record, 20);
    font.weight = I32(record, 28);
    font.italic = record[32] != 0;
    font.underline = record[33] != 0;
    font.strike_out = record[34] != 0;
    for (std::size_t i = 0; i < kFaceUnits; ++i) {
      std::uint16_t unit = 0;
      le::ReadU16(record, kFaceAt + 2 * i, unit);
      if (unit == 0) break;
      font.face.push_back(static_cast<char16_t>(unit));
    }
    return Create(record, std::move(font));
  }

  bool ArcOf(ArcKind kind, Bytes record) {
    return builder_.Add(Arc{kind, RectAt(record, 8), PointAt(record, 24), PointAt(record, 32)});
  }

  // A bounding box, a count, then the points.
  template <class Shape>
  bool Points(Bytes record, std::size_t coordinate_bytes, bool from_position = false) {
    Shape shape;
    if (!builder_.ReadPoints(record, 28, U32(record, 24), coordinate_bytes, shape.points)) return false;
    if constexpr (!std::is_same_v<Shape, Polygon>) shape.from_position = from_position;
    return builder_.Add(std::move(shape));
  }

  // A bounding box, the number of parts, the number of points in all, each part's count, then
  // the points of every part one after the other.
  bool Parts(Bytes record, std::size_t coordinate_bytes, bool closed) {
    constexpr std::size_t kCountsAt = 32;
    const std::uint32_t parts = U32(record, 24);
    const std::uint32_t total = U32(record, 28);
    if (parts > (record.size() - kCountsAt) / 4) return false;
    std::uint64_t sum = 0;
    for (std::uint32_t i = 0; i < parts; ++i) sum += U32(record, kCountsAt + 4 * std::size_t{i});
    if (sum != total || !builder_.TakePoints(parts)) return false;  // each part costs like a point
    PolyPolygon shape;
    shape.closed = closed;
    shape.parts.resize(parts);
    std::size_t at = kCountsAt + 4 * std::size_t{parts};
    for (std::uint32_t i = 0; i < parts; ++i) {
      const std::uint32_t count = U32(record, kCountsAt + 4 * std::size_t{i});
      if (!builder_.ReadPoints(record, at, count, coordinate_bytes, shape.parts[i])) return false;
      at += std::size_t{count} * 2 * coordinate_bytes;
    }
    return builder_.Add(std::move(shape));
  }

  // The text block: reference point, character count, string offset (from the record's start),
  // options, a rectangle.
  bool TextOf(Bytes record, std::size_t unit_bytes) {
    constexpr std::uint32_t kOpaque = 0x0002;
    constexpr std::uint32_t kClipped = 0x0004;
    constexpr std::uint32_t kNoRectangle = 0x0100;
    const std::uint32_t characters = U32(record, 44);
    const std::uint32_t offset = U32(record, 48);
    const std::uint32_t options = U32(record, 52);
    if (offset > record.size() || characters > (record.size() - offset) / unit_bytes) return false;
    Text text;
    text.at = PointAt(record, 36);
    const Bytes string = record.subspan(offset, characters * unit_bytes);
    if (unit_bytes == 1) {
      text.text = WidenAnsi(string);
    } else {
      text.text.resize(characters);
      for (std::size_t i = 0; i < characters; ++i)
        text.text[i] = static_cast<char16_t>(string[2 * i] | (string[2 * i + 1] << 8));
    }
    if ((options & kNoRectangle) == 0) {
      if ((options & kOpaque) != 0) text.opaque_box = RectAt(record, 56);
      if ((options & kClipped) != 0) text.clip_box = RectAt(record, 56);
    }
    return builder_.Add(std::move(text));
  }

  // Bit blits name the bitmap's header and pixels by offset and size; without a header they
  // fill with the brush.
  bool BitmapBlit(Bytes record, Box source) {
    const Blit blit{U32(record, 40), BoxAt(record, 24, 32), source, SourceRows::kFromTop};
    if (U32(record, 88) == 0) return AddPatternBlit(builder_, blit);
    const std::optional<Bytes> header = BlockAt(record, 84);
    const std::optional<Bytes> pixels = BlockAt(record, 92);
    if (!header || !pixels) return false;
    return AddBlit(builder_, blit, *header, *pixels, U32(record, 80));
  }

  bool StretchDibits(Bytes record) {
    const Blit blit{U32(record, 68), BoxAt(record, 24, 72), BoxAt(record, 32, 40), SourceRows::kFromBottom};
    const std::optional<Bytes> header = BlockAt(record, 48);
    const std::optional<Bytes> pixels = BlockAt(record, 56);
    if (!header || !pixels) return false;
    return AddBlit(builder_, blit, *header, *pixels, U32(record, 64));
  }

  DrawingBuilder& builder_;
};

}  // namespace

std::optional<Drawing> ReadEnhancedMetafile(Bytes file) {
  std::uint32_t type = 0;
  std::uint32_t header_size = 0;
  std::uint32_t signature = 0;
  if (!le::ReadU32(file, 0, type) || type != kEnhancedHeaderRecord || !le::ReadU32(file, 4, header_size) ||
      !le::ReadU32(file, 40, signature) || signature != kEnhancedSignature || header_size < kHeaderMinimum ||
      header_size % 4 != 0 || header_size > file.size())
    return std::nullopt;
  DrawingBuilder builder(Kind::kEnhanced, RectAt(file, 8));
  EnhancedRecords records(builder);
  std::size_t at = header_size;
  while (true) {
    std::uint32_t size = 0;
    if (!le::ReadU32(file, at, type) || !le::ReadU32(file, at + 4, size)) break;  // no end record
    if (size < MinimumSize(type) || size % 4 != 0 || size > file.size() - at) break;
    if (type == kEndOfFile) return builder.Finish(false);
    if (!records.Decode(type, file.subspan(at, size))) break;
    at += size;
  }
  return builder.Finish(true);
}

}  // namespace plorvane::metafile
