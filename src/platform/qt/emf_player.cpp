#include "platform/qt/emf_player.h"

#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <map>
#include <variant>

#include "graphics/colour.h"
#include "graphics/little_endian.h"
#include "graphics/metafile_graphic.h"

namespace plorvane {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Record types.
constexpr std::uint32_t kPolygon = 3;
constexpr std::uint32_t kPolyline = 4;
constexpr std::uint32_t kSetWindowExtent = 9;
constexpr std::uint32_t kSetWindowOrigin = 10;
constexpr std::uint32_t kSetViewportExtent = 11;
constexpr std::uint32_t kSetViewportOrigin = 12;
constexpr std::uint32_t kEndOfFile = 14;
constexpr std::uint32_t kSetMapMode = 17;
constexpr std::uint32_t kSetTextColour = 24;
constexpr std::uint32_t kMoveTo = 27;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kCreatePen = 38;
constexpr std::uint32_t kCreateBrush = 39;
constexpr std::uint32_t kDeleteObject = 40;
constexpr std::uint32_t kEllipse = 42;
constexpr std::uint32_t kRectangle = 43;
constexpr std::uint32_t kLineTo = 54;
constexpr std::uint32_t kCreateFont = 82;
constexpr std::uint32_t kTextOut = 84;
constexpr std::uint32_t kPolygon16 = 86;
constexpr std::uint32_t kPolyline16 = 87;

constexpr std::uint32_t kStockObject = 0x80000000;
constexpr std::uint32_t kMapModeText = 1;
constexpr std::size_t kMaxPoints = 1 << 20;

QColor ColourOf(std::uint32_t colour_ref) {
  const auto colour = static_cast<Colour>(colour_ref & 0xFFFFFF);
  return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

using Object = std::variant<QPen, QBrush, QFont>;

// The few stock objects pictures use: brushes 0..5, pens 6..8.
std::optional<Object> StockObject(std::uint32_t index) {
  switch (index) {
    case 0: return QBrush(Qt::white);
    case 1: return QBrush(QColor(192, 192, 192));
    case 2: return QBrush(QColor(128, 128, 128));
    case 3: return QBrush(QColor(64, 64, 64));
    case 4: return QBrush(Qt::black);
    case 5: return QBrush(Qt::NoBrush);
    case 6: return QPen(Qt::white);
    case 7: return QPen(Qt::black);
    case 8: return QPen(Qt::NoPen);
    default: return std::nullopt;
  }
}

class Player {
 public:
  Player(QPainter& painter, const QRectF& target, const QRect& bounds)
      : painter_(painter), target_(target), bounds_(bounds) {
    painter_.setPen(QPen(Qt::black));
    painter_.setBrush(Qt::white);
  }

  // False when the record is damaged and the play must end.
  bool Play(std::uint32_t type, Bytes record) {
    switch (type) {
      case kSetWindowExtent: return Pair(record, window_extent_);
      case kSetWindowOrigin: return Pair(record, window_origin_);
      case kSetViewportExtent: return Pair(record, viewport_extent_);
      case kSetViewportOrigin: return Pair(record, viewport_origin_);
      case kSetMapMode: return le::ReadU32(record, 8, map_mode_);
      case kSetTextColour: {
        std::uint32_t colour = 0;
        if (!le::ReadU32(record, 8, colour)) return false;
        text_colour_ = ColourOf(colour);
        return true;
      }
      case kMoveTo: return Point(record, 8, position_);
      case kLineTo: {
        QPointF to;
        if (!Point(record, 8, to)) return false;
        Draw([&] { painter_.drawLine(position_, to); });
        position_ = to;
        return true;
      }
      case kCreatePen: return CreatePen(record);
      case kCreateBrush: return CreateBrush(record);
      case kCreateFont: return CreateFont(record);
      case kSelectObject: return Select(record);
      case kDeleteObject: {
        std::uint32_t handle = 0;
        if (!le::ReadU32(record, 8, handle)) return false;
        objects_.erase(handle);
        return true;
      }
      case kRectangle:
      case kEllipse: {
        QRectF box;
        if (!Box(record, 8, box)) return false;
        Draw([&] { type == kRectangle ? painter_.drawRect(box) : painter_.drawEllipse(box); });
        return true;
      }
      case kPolygon: return Points(record, 4, true);
      case kPolyline: return Points(record, 4, false);
      case kPolygon16: return Points(record, 2, true);
      case kPolyline16: return Points(record, 2, false);
      case kTextOut: return Text(record);
      default: return true;  // not drawn here
    }
  }

 private:
  static bool Pair(Bytes record, QPointF& value) { return Point(record, 8, value); }

  static bool Point(Bytes record, std::size_t at, QPointF& value) {
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (!le::ReadI32(record, at, x) || !le::ReadI32(record, at + 4, y)) return false;
    value = QPointF(x, y);
    return true;
  }

  static bool Box(Bytes record, std::size_t at, QRectF& box) {
    QPointF top_left;
    QPointF bottom_right;
    if (!Point(record, at, top_left) || !Point(record, at + 8, bottom_right)) return false;
    box = QRectF(top_left, bottom_right).normalized();
    return true;
  }

  // Logical units through the window and viewport to the reference device, then the picture's
  // bounds onto the target.
  [[nodiscard]] QTransform Mapping() const {
    QTransform logical;
    if (map_mode_ != kMapModeText && window_extent_.x() != 0 && window_extent_.y() != 0) {
      logical.translate(viewport_origin_.x(), viewport_origin_.y());
      logical.scale(viewport_extent_.x() / window_extent_.x(), viewport_extent_.y() / window_extent_.y());
      logical.translate(-window_origin_.x(), -window_origin_.y());
    } else {
      logical.translate(-window_origin_.x() + viewport_origin_.x(), -window_origin_.y() + viewport_origin_.y());
    }
    QTransform device;
    device.translate(target_.left(), target_.top());
    device.scale(target_.width() / std::max(bounds_.width(), 1), target_.height() / std::max(bounds_.height(), 1));
    device.translate(-bounds_.left(), -bounds_.top());
    return logical * device;
  }

  template <class Drawing>
  void Draw(Drawing drawing) {
    painter_.save();
    painter_.setTransform(Mapping());
    drawing();
    painter_.restore();
  }

  bool CreatePen(Bytes record) {
    std::uint32_t handle = 0;
    std::uint32_t style = 0;
    std::int32_t width = 0;
    std::uint32_t colour = 0;
    if (!le::ReadU32(record, 8, handle) || !le::ReadU32(record, 12, style) || !le::ReadI32(record, 16, width) ||
        !le::ReadU32(record, 24, colour))
      return false;
    QPen pen(ColourOf(colour));
    pen.setWidthF(std::clamp(width, 0, 1000));
    pen.setCosmetic(width == 0);
    constexpr std::uint32_t kNullPenStyle = 5;
    if ((style & 0xF) == kNullPenStyle) pen.setStyle(Qt::NoPen);
    objects_[handle] = pen;
    return true;
  }

  bool CreateBrush(Bytes record) {
    std::uint32_t handle = 0;
    std::uint32_t style = 0;
    std::uint32_t colour = 0;
    if (!le::ReadU32(record, 8, handle) || !le::ReadU32(record, 12, style) || !le::ReadU32(record, 16, colour))
      return false;
    constexpr std::uint32_t kNullBrushStyle = 1;
    objects_[handle] = style == kNullBrushStyle ? QBrush(Qt::NoBrush) : QBrush(ColourOf(colour));
    return true;
  }

  bool CreateFont(Bytes record) {
    std::uint32_t handle = 0;
    std::int32_t height = 0;
    std::int32_t weight = 0;
    if (!le::ReadU32(record, 8, handle) || !le::ReadI32(record, 12, height) || !le::ReadI32(record, 28, weight) ||
        record.size() < 40 + 64)
      return false;
    QString face;
    for (std::size_t i = 0; i < 32; ++i) {
      std::uint16_t unit = 0;
      if (!le::ReadU16(record, 40 + 2 * i, unit) || unit == 0) break;
      face += QChar(unit);
    }
    QFont font(face);
    font.setPixelSize(std::clamp(std::abs(height), 1, 2000));
    font.setBold(weight >= 600);
    font.setItalic(record[32] != 0);
    font.setUnderline(record[33] != 0);
    objects_[handle] = font;
    return true;
  }

  bool Select(Bytes record) {
    std::uint32_t handle = 0;
    if (!le::ReadU32(record, 8, handle)) return false;
    std::optional<Object> object;
    if ((handle & kStockObject) != 0) {
      object = StockObject(handle & ~kStockObject);
    } else if (const auto found = objects_.find(handle); found != objects_.end()) {
      object = found->second;
    }
    if (!object) return true;  // an unknown handle selects nothing
    if (const auto* pen = std::get_if<QPen>(&*object)) painter_.setPen(*pen);
    if (const auto* brush = std::get_if<QBrush>(&*object)) painter_.setBrush(*brush);
    if (const auto* font = std::get_if<QFont>(&*object)) painter_.setFont(*font);
    return true;
  }

  // Polygons and polylines: a bounding box, a count, then the points, 16 or 32 bits each.
  bool Points(Bytes record, std::size_t coordinate_bytes, bool closed) {
    std::uint32_t count = 0;
    if (!le::ReadU32(record, 24, count)) return false;
    const std::size_t available = (record.size() - std::min<std::size_t>(record.size(), 28)) / (2 * coordinate_bytes);
    if (count > available || count > kMaxPoints) return false;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = 28 + i * 2 * coordinate_bytes;
      if (coordinate_bytes == 2) {
        std::uint16_t x = 0;
        std::uint16_t y = 0;
        le::ReadU16(record, at, x);
        le::ReadU16(record, at + 2, y);
        polygon << QPointF(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
      } else {
        QPointF point;
        Point(record, at, point);
        polygon << point;
      }
    }
    Draw([&] { closed ? painter_.drawPolygon(polygon) : painter_.drawPolyline(polygon); });
    return true;
  }

  bool Text(Bytes record) {
    QPointF reference;
    std::uint32_t characters = 0;
    std::uint32_t offset = 0;
    if (!Point(record, 36, reference) || !le::ReadU32(record, 44, characters) || !le::ReadU32(record, 48, offset))
      return false;
    if (offset > record.size() || characters > (record.size() - offset) / 2) return false;
    QString text;
    for (std::uint32_t i = 0; i < characters; ++i) {
      std::uint16_t unit = 0;
      le::ReadU16(record, offset + 2 * static_cast<std::size_t>(i), unit);
      text += QChar(unit);
    }
    Draw([&] {
      painter_.setPen(text_colour_);
      // The reference point is the text's top-left corner by default.
      painter_.drawText(reference + QPointF(0, painter_.fontMetrics().ascent()), text);
    });
    return true;
  }

  QPainter& painter_;
  const QRectF target_;
  const QRect bounds_;
  std::map<std::uint32_t, Object> objects_;
  QPointF window_origin_;
  QPointF window_extent_{1, 1};
  QPointF viewport_origin_;
  QPointF viewport_extent_{1, 1};
  std::uint32_t map_mode_ = kMapModeText;
  QPointF position_;
  QColor text_colour_{Qt::black};
};

}  // namespace

bool PlayEnhancedMetafile(std::span<const std::uint8_t> file, QPainter& painter, const QRectF& target) {
  std::uint32_t type = 0;
  std::uint32_t signature = 0;
  std::int32_t bounds[4] = {};
  if (!le::ReadU32(file, 0, type) || type != kEnhancedHeaderRecord || !le::ReadU32(file, 40, signature) ||
      signature != kEnhancedSignature)
    return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!le::ReadI32(file, 8 + 4 * i, bounds[i])) return false;
  }
  // The bounds are inclusive on both sides.
  Player player(painter, target, QRect(QPoint(bounds[0], bounds[1]), QPoint(bounds[2], bounds[3])));
  std::size_t at = 0;
  while (at + 8 <= file.size()) {
    std::uint32_t size = 0;
    le::ReadU32(file, at, type);
    le::ReadU32(file, at + 4, size);
    if (size < 8 || size % 4 != 0 || size > file.size() - at) break;
    if (type == kEndOfFile || !player.Play(type, file.subspan(at, size))) break;
    at += size;
  }
  return true;
}

}  // namespace plorvane
