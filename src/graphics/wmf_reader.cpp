#include "graphics/wmf_reader.h"

#include "graphics/ansi_text.h"
#include "graphics/little_endian.h"
#include "graphics/metafile_bitmap.h"

namespace plorvane::metafile {
namespace {

enum Function : std::uint16_t {
  kEndOfFile = 0x0000,
  kSaveDc = 0x001E,
  kCreatePalette = 0x00F7,
  kSetBackgroundMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetPolyFillMode = 0x0106,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDibCreatePatternBrush = 0x0142,
  kDeleteObject = 0x01F0,
  kCreatePatternBrush = 0x01F9,
  kSetBackgroundColour = 0x0201,
  kSetTextColour = 0x0209,
  kSetWindowOrigin = 0x020B,
  kSetWindowExtent = 0x020C,
  kSetViewportOrigin = 0x020D,
  kSetViewportExtent = 0x020E,
  kOffsetWindowOrigin = 0x020F,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePen = 0x02FA,
  kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kScaleWindowExtent = 0x0410,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kPatBlt = 0x061D,
  kCreateRegion = 0x06FF,
  kArc = 0x0817,
  kPie = 0x081A,
  kChord = 0x0830,
  kDibBitBlt = 0x0940,
  kExtTextOut = 0x0A32,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
};

constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::size_t kParametersAt = 6;  // after the size and the function number

// The fixed part of each record the reader decodes, in words, counted from the record's start.
std::uint32_t MinimumWords(std::uint16_t function) {
  switch (function) {
    case kSetBackgroundMode:
    case kSetMapMode:
    case kSetPolyFillMode:
    case kRestoreDc:
    case kSelectObject:
    case kSetTextAlign:
    case kDeleteObject:
    case kPolygon:
    case kPolyline:
    case kTextOut:
    case kPolyPolygon: return 4;
    case kSetBackgroundColour:
    case kSetTextColour:
    case kSetWindowOrigin:
    case kSetWindowExtent:
    case kSetViewportOrigin:
    case kSetViewportExtent:
    case kOffsetWindowOrigin:
    case kLineTo:
    case kMoveTo: return 5;
    case kCreateBrush:
    case kScaleWindowExtent:
    case kEllipse:
    case kRectangle:
    case kExtTextOut: return 7;
    case kCreatePen: return 8;
    case kRoundRect:
    case kPatBlt: return 9;
    case kArc:
    case kPie:
    case kChord: return 11;
    case kCreateFont:
    case kDibBitBlt: return 12;
    case kDibStretchBlt:
    case kStretchDib: return 14;
    default: return 3;
  }
}

// Parameter words are read below the record's checked minimum, so they cannot fail.
std::int32_t Word(Bytes record, std::size_t index) {
  std::int32_t value = 0;
  ReadI16(record, kParametersAt + 2 * index, value);
  return value;
}

std::uint32_t UnsignedWord(Bytes record, std::size_t index) {
  std::uint16_t value = 0;
  le::ReadU16(record, kParametersAt + 2 * index, value);
  return value;
}

std::uint32_t DoubleWord(Bytes record, std::size_t index) {
  return UnsignedWord(record, index) | (UnsignedWord(record, index + 1) << 16);
}

// Points are stored y first in the drawing records.
Point YThenX(Bytes record, std::size_t index) { return {Word(record, index + 1), Word(record, index)}; }

// Bottom, right, top, left.
Rect BoxBackwards(Bytes record, std::size_t index) {
  return {Word(record, index + 3), Word(record, index + 2), Word(record, index + 1), Word(record, index)};
}

// Height, width, y, x.
Box BlitBox(Bytes record, std::size_t index) {
  return {Word(record, index + 3), Word(record, index + 2), Word(record, index + 1), Word(record, index)};
}

class WindowsRecords {
 public:
  explicit WindowsRecords(DrawingBuilder& builder) : builder_(builder) {}

  // False when the record is damaged or a cap is reached: the reading ends.
  bool Decode(std::uint16_t function, Bytes record) {
    switch (function) {
      case kSetWindowOrigin: return Mapping(MappingField::kWindowOrigin, record);
      case kSetWindowExtent: return Mapping(MappingField::kWindowExtent, record);
      case kSetViewportOrigin: return Mapping(MappingField::kViewportOrigin, record);
      case kSetViewportExtent: return Mapping(MappingField::kViewportExtent, record);
      case kOffsetWindowOrigin: return builder_.Add(OffsetWindowOrigin{YThenX(record, 0)});
      case kScaleWindowExtent:
        return builder_.Add(ScaleWindowExtent{Word(record, 3), Word(record, 2), Word(record, 1), Word(record, 0)});
      case kSetMapMode: return AddMapMode(builder_, UnsignedWord(record, 0));
      case kSetBackgroundMode: return builder_.Add(SetBackgroundOpaque{UnsignedWord(record, 0) == 2});
      case kSetPolyFillMode: return builder_.Add(SetWindingFill{UnsignedWord(record, 0) == 2});
      case kSetTextAlign: return builder_.Add(SetTextAlign{UnsignedWord(record, 0)});
      case kSetTextColour: return builder_.Add(SetTextColour{ColourOf(DoubleWord(record, 0))});
      case kSetBackgroundColour: return builder_.Add(SetBackgroundColour{ColourOf(DoubleWord(record, 0))});
      case kSaveDc: return builder_.Add(SaveState{});
      case kRestoreDc: return builder_.Add(RestoreState{Word(record, 0)});
      case kMoveTo: return builder_.Add(MoveTo{YThenX(record, 0)});
      case kLineTo: return builder_.Add(LineTo{YThenX(record, 0)});
      case kSelectObject: return builder_.AddSelection(UnsignedWord(record, 0));
      case kDeleteObject:
        builder_.objects().Remove(UnsignedWord(record, 0));
        return true;
      case kCreatePen: return Create(PenOf(UnsignedWord(record, 0), Word(record, 1), DoubleWord(record, 3)));
      case kCreateBrush:
        return Create(BrushOf(UnsignedWord(record, 0), DoubleWord(record, 1), UnsignedWord(record, 3)));
      case kCreateFont: return CreateFont(record);
      case kCreatePalette:
      case kCreatePatternBrush:
      case kDibCreatePatternBrush:
      case kCreateRegion: return Create(OtherObject{});
      case kRectangle: return builder_.Add(Rectangle{BoxBackwards(record, 0)});
      case kEllipse: return builder_.Add(Ellipse{BoxBackwards(record, 0)});
      case kRoundRect: return builder_.Add(RoundRect{BoxBackwards(record, 2), {Word(record, 1), Word(record, 0)}});
      case kArc: return ArcOf(ArcKind::kArc, record);
      case kPie: return ArcOf(ArcKind::kPie, record);
      case kChord: return ArcOf(ArcKind::kChord, record);
      case kPolygon: return Points<Polygon>(record);
      case kPolyline: return Points<Polyline>(record);
      case kPolyPolygon: return Parts(record);
      case kTextOut: return TextOut(record);
      case kExtTextOut: return ExtTextOut(record);
      case kPatBlt: return AddPatternBlit(builder_, {DoubleWord(record, 0), BlitBox(record, 2), {}, {}});
      case kStretchDib: return StretchDib(record);
      case kDibStretchBlt:
      case kDibBitBlt: return DibBlit(function, record);
      default: return true;  // not drawn
    }
  }

 private:
  bool Mapping(MappingField field, Bytes record) { return builder_.Add(SetMapping{field, YThenX(record, 0)}); }


  // With every index up to the cap taken, the object is dropped; its selection selects nothing.
  bool Create(Object object) {
    builder_.objects().PutInFreeSlot(std::move(object));
    return true;
  }

  bool CreateFont(Bytes record) {
    constexpr std::size_t kFaceAt = kParametersAt + 18;
    constexpr std::size_t kFaceBytes = 32;
    Font font;
    font.height = Word(record, 0);
    font.escapement = Word(record, 2);
    font.weight = Word(record, 4);
    font.italic = record[kParametersAt + 10] != 0;
    font.underline = record[kParametersAt + 11] != 0;
    font.strike_out = record[kParametersAt + 12] != 0;
    // The name is NUL-terminated within 32 bytes; writers often store fewer.
    std::size_t length = 0;
    while (length < kFaceBytes && kFaceAt + length < record.size() && record[kFaceAt + length] != 0) ++length;
    font.face = WidenAnsi(record.subspan(kFaceAt, length));
    return Create(std::move(font));
  }

  bool ArcOf(ArcKind kind, Bytes record) {
    return builder_.Add(Arc{kind, BoxBackwards(record, 4), YThenX(record, 2), YThenX(record, 0)});
  }

  // A count, then the points, x before y.
  template <class Shape>
  bool Points(Bytes record) {
    Shape shape;
    if (!builder_.ReadPoints(record, kParametersAt + 2, UnsignedWord(record, 0), 2, shape.points)) return false;
    return builder_.Add(std::move(shape));
  }

  // The number of polygons, each one's count, then the points of all of them.
  bool Parts(Bytes record) {
    constexpr std::size_t kCountsAt = kParametersAt + 2;
    const std::uint32_t parts = UnsignedWord(record, 0);
    if (parts > (record.size() - kCountsAt) / 2 || !builder_.TakePoints(parts)) return false;
    PolyPolygon shape;
    shape.parts.resize(parts);
    std::size_t at = kCountsAt + 2 * std::size_t{parts};
    for (std::uint32_t i = 0; i < parts; ++i) {
      const std::uint32_t count = UnsignedWord(record, 1 + i);
      if (!builder_.ReadPoints(record, at, count, 2, shape.parts[i])) return false;
      at += std::size_t{count} * 4;
    }
    return builder_.Add(std::move(shape));
  }

  // A byte count, the string padded to whole words, then y and x.
  bool TextOut(Bytes record) {
    const std::size_t length = UnsignedWord(record, 0);
    const std::size_t string_at = kParametersAt + 2;
    const std::size_t point_at = string_at + (length + 1) / 2 * 2;
    std::int32_t y = 0;
    std::int32_t x = 0;
    if (!ReadI16(record, point_at, y) || !ReadI16(record, point_at + 2, x)) return false;
    return builder_.Add(Text{{x, y}, WidenAnsi(record.subspan(string_at, length)), std::nullopt, std::nullopt});
  }

  // y, x, a byte count, options, a rectangle when the options name one, then the string.
  bool ExtTextOut(Bytes record) {
    constexpr std::uint32_t kOpaque = 0x0002;
    constexpr std::uint32_t kClipped = 0x0004;
    const std::size_t length = UnsignedWord(record, 2);
    const std::uint32_t options = UnsignedWord(record, 3);
    Text text{YThenX(record, 0), {}, std::nullopt, std::nullopt};
    std::size_t string_at = kParametersAt + 8;
    if ((options & (kOpaque | kClipped)) != 0) {
      Rect box;
      if (!ReadI16(record, string_at, box.left) || !ReadI16(record, string_at + 2, box.top) ||
          !ReadI16(record, string_at + 4, box.right) || !ReadI16(record, string_at + 6, box.bottom))
        return false;
      if ((options & kOpaque) != 0) text.opaque_box = box;
      if ((options & kClipped) != 0) text.clip_box = box;
      string_at += 8;
    }
    if (!le::Fits(record.size(), string_at, length)) return false;
    text.text = WidenAnsi(record.subspan(string_at, length));
    return builder_.Add(std::move(text));
  }

  // Operation, colour usage, source height, width, y, x, destination height, width, y, x, DIB.
  bool StretchDib(Bytes record) {
    const Blit blit{DoubleWord(record, 0), BlitBox(record, 7), BlitBox(record, 3), SourceRows::kFromBottom};
    return AddPackedBlit(builder_, blit, record.subspan(kParametersAt + 22), UnsignedWord(record, 2));
  }

  // The two DIB blits: the operation, the source (its size only when stretching), the
  // destination, then the DIB. Without a DIB the record is one word longer than its function
  // number says (a reserved word before the destination) and fills like a pattern blit.
  bool DibBlit(std::uint16_t function, Bytes record) {
    const bool stretching = function == kDibStretchBlt;
    const bool without_bitmap = record.size() / 2 == (function >> 8) + 3u;
    const std::size_t dest = (stretching ? 6 : 4) + (without_bitmap ? 1 : 0);
    Blit blit{DoubleWord(record, 0), BlitBox(record, dest), {}, SourceRows::kFromTop};
    if (without_bitmap) return AddPatternBlit(builder_, blit);
    blit.source = stretching ? BlitBox(record, 2)
                             : Box{Word(record, 3), Word(record, 2), blit.dest.width, blit.dest.height};
    return AddPackedBlit(builder_, blit, record.subspan(kParametersAt + 2 * (dest + 4)), kRgbColours);
  }

  DrawingBuilder& builder_;
};

// The optional placeable header: its bounding box, or none when the file does not start with
// one. Its checksum is not checked (see wmf_reader.h).
std::optional<Rect> PlaceableBox(Bytes file) {
  std::uint32_t key = 0;
  if (!le::ReadU32(file, 0, key) || key != kPlaceableKey || file.size() < kPlaceableSize) return std::nullopt;
  Rect box;
  ReadI16(file, 6, box.left);
  ReadI16(file, 8, box.top);
  ReadI16(file, 10, box.right);
  ReadI16(file, 12, box.bottom);
  return box;
}

bool StandardHeader(Bytes header) {
  std::uint16_t type = 0;
  std::uint16_t words = 0;
  return le::ReadU16(header, 0, type) && (type == 1 || type == 2) && le::ReadU16(header, 2, words) &&
         words == kHeaderWords && header.size() >= kHeaderSize;
}

}  // namespace

std::optional<Drawing> ReadWindowsMetafile(Bytes file) {
  const std::optional<Rect> placeable = PlaceableBox(file);
  const std::size_t header_at = placeable ? kPlaceableSize : 0;
  if (!StandardHeader(file.subspan(header_at))) return std::nullopt;
  DrawingBuilder builder(Kind::kWindows, placeable.value_or(Rect{}));
  WindowsRecords records(builder);
  std::size_t at = header_at + kHeaderSize;
  while (true) {
    std::uint32_t words = 0;
    std::uint16_t function = 0;
    if (!le::ReadU32(file, at, words) || !le::ReadU16(file, at + 4, function)) break;  // no end record
    if (words < MinimumWords(function) || words > (file.size() - at) / 2) break;
    if (function == kEndOfFile) return builder.Finish(false);
    if (!records.Decode(function, file.subspan(at, std::size_t{words} * 2))) break;
    at += std::size_t{words} * 2;
  }
  return builder.Finish(true);
}

}  // namespace plorvane::metafile
