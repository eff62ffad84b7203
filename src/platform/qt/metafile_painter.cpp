#include "platform/qt/metafile_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/metafile_context.h"

namespace plorvane {
namespace {

namespace mf = metafile;

// Wider pens only cost time: no picture needs a line wider than this many target pixels.
constexpr double kWidestPenPixels = 4096;
constexpr int kDefaultFontHeight = 12;  // logical units, for a font that asks for the default
constexpr int kLargestFontPixels = 2000;

QColor ColourOf(Colour colour) { return {RedOf(colour), GreenOf(colour), BlueOf(colour)}; }

QPointF PointOf(mf::Point point) { return {static_cast<qreal>(point.x), static_cast<qreal>(point.y)}; }

QRectF RectOf(const mf::Rect& rect) {
  return QRectF(PointOf({rect.left, rect.top}), PointOf({rect.right, rect.bottom})).normalized();
}

QPolygonF PolygonOf(const std::vector<mf::Point>& points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const mf::Point point : points) polygon << PointOf(point);
  return polygon;
}

Qt::PenStyle PenStyleOf(mf::PenStyle style) {
  switch (style) {
    case mf::PenStyle::kDash: return Qt::DashLine;
    case mf::PenStyle::kDot: return Qt::DotLine;
    case mf::PenStyle::kDashDot: return Qt::DashDotLine;
    case mf::PenStyle::kDashDotDot: return Qt::DashDotDotLine;
    case mf::PenStyle::kNull: return Qt::NoPen;
    case mf::PenStyle::kSolid: break;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle BrushStyleOf(mf::BrushStyle style) {
  switch (style) {
    case mf::BrushStyle::kNull: return Qt::NoBrush;
    case mf::BrushStyle::kHorizontal: return Qt::HorPattern;
    case mf::BrushStyle::kVertical: return Qt::VerPattern;
    case mf::BrushStyle::kForwardDiagonal: return Qt::FDiagPattern;
    case mf::BrushStyle::kBackwardDiagonal: return Qt::BDiagPattern;
    case mf::BrushStyle::kCross: return Qt::CrossPattern;
    case mf::BrushStyle::kDiagonalCross: return Qt::DiagCrossPattern;
    case mf::BrushStyle::kSolid: break;
  }
  return Qt::SolidPattern;
}

// Angle of a point seen from the box's centre, in degrees counter-clockwise from 3 o'clock, on
// the box scaled to a circle.
double AngleOf(const QRectF& box, mf::Point point) {
  const double dx = (point.x - box.center().x()) / std::max(box.width(), 1.0);
  const double dy = (box.center().y() - point.y) / std::max(box.height(), 1.0);
  return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

class CommandPainter {
 public:
  CommandPainter(const mf::Drawing& drawing, QPainter& painter, const QRectF& target)
      : context_(drawing, {target.left(), target.top(), target.width(), target.height()}), painter_(painter) {
    Sync();
  }

  void Paint(const mf::Command& command) {
    const mf::Point from = context_.state().position;
    if (context_.Apply(command)) {
      dirty_ = true;
      return;
    }
    if (dirty_) Sync();
    std::visit([&](const auto& drawn) { Draw(drawn, from); }, command);
  }

 private:
  // The painter follows the context only before something is drawn, and only in what changed.
  void Sync() {
    dirty_ = false;
    const mf::DeviceState& state = context_.state();
    mapping_ = context_.ToTarget();
    painter_.setTransform(QTransform(mapping_.scale_x, 0, 0, mapping_.scale_y, mapping_.offset_x, mapping_.offset_y));
    const double scale = std::max(std::abs(mapping_.scale_x), std::abs(mapping_.scale_y));
    if (!synced_ || state.pen != pen_ || scale != pen_scale_) {
      QPen pen(ColourOf(state.pen.colour));
      pen.setStyle(PenStyleOf(state.pen.style));
      pen.setCosmetic(state.pen.width == 0);
      pen.setWidthF(scale > 0 ? std::min<double>(state.pen.width, kWidestPenPixels / scale) : 0);
      painter_.setPen(pen);
      pen_ = state.pen;
      pen_scale_ = scale;
    }
    if (!synced_ || state.brush != brush_) {
      painter_.setBrush(QBrush(ColourOf(state.brush.colour), BrushStyleOf(state.brush.style)));
      brush_ = state.brush;
    }
    painter_.setBackground(ColourOf(state.background));
    painter_.setBackgroundMode(state.opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    synced_ = true;
  }

  [[nodiscard]] Qt::FillRule FillRule() const {
    return context_.state().winding ? Qt::WindingFill : Qt::OddEvenFill;
  }

  void Draw(const mf::LineTo& line, mf::Point from) { painter_.drawLine(PointOf(from), PointOf(line.to)); }

  void Draw(const mf::Polyline& lines, mf::Point from) {
    QPolygonF polygon = PolygonOf(lines.points);
    if (lines.from_position) polygon.prepend(PointOf(from));
    painter_.drawPolyline(polygon);
  }

  void Draw(const mf::Bezier& curve, mf::Point from) {
    QPolygonF points = PolygonOf(curve.points);
    if (curve.from_position) points.prepend(PointOf(from));
    if (points.isEmpty()) return;
    QPainterPath path(points.front());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
    painter_.strokePath(path, painter_.pen());
  }

  void Draw(const mf::Polygon& polygon, mf::Point) { painter_.drawPolygon(PolygonOf(polygon.points), FillRule()); }

  void Draw(const mf::PolyPolygon& shape, mf::Point) {
    if (!shape.closed) {
      for (const auto& part : shape.parts) painter_.drawPolyline(PolygonOf(part));
      return;
    }
    QPainterPath path;
    path.setFillRule(FillRule());
    for (const auto& part : shape.parts) {
      path.addPolygon(PolygonOf(part));
      path.closeSubpath();
    }
    painter_.drawPath(path);
  }

  void Draw(const mf::Rectangle& shape, mf::Point) { painter_.drawRect(RectOf(shape.box)); }
  void Draw(const mf::Ellipse& shape, mf::Point) { painter_.drawEllipse(RectOf(shape.box)); }

  void Draw(const mf::RoundRect& shape, mf::Point) {
    painter_.drawRoundedRect(RectOf(shape.box), std::abs(shape.corner.x) / 2.0, std::abs(shape.corner.y) / 2.0);
  }

  // Counter-clockwise from the start point's angle to the end point's.
  void Draw(const mf::Arc& arc, mf::Point) {
    const QRectF box = RectOf(arc.box);
    const double start = AngleOf(box, arc.start);
    double sweep = AngleOf(box, arc.end) - start;
    if (sweep <= 0) sweep += 360;
    QPainterPath path;
    if (arc.kind == mf::ArcKind::kPie) {
      path.moveTo(box.center());
      path.arcTo(box, start, sweep);
      path.closeSubpath();
    } else {
      path.arcMoveTo(box, start);
      path.arcTo(box, start, sweep);
    }
    if (arc.kind == mf::ArcKind::kArc) {
      painter_.strokePath(path, painter_.pen());
      return;
    }
    path.closeSubpath();
    painter_.drawPath(path);
  }

  void Draw(const mf::Text& text, mf::Point) {
    const mf::DeviceState& state = context_.state();
    const QTransform mapping = painter_.transform();
    painter_.save();
    painter_.resetTransform();
    painter_.setBackgroundMode(Qt::TransparentMode);
    if (text.opaque_box) painter_.fillRect(mapping.mapRect(RectOf(*text.opaque_box)), ColourOf(state.background));
    if (text.clip_box) painter_.setClipRect(mapping.mapRect(RectOf(*text.clip_box)));
    const QFont font = FontOf(state.font);
    painter_.setFont(font);
    painter_.translate(mapping.map(PointOf(text.at)));
    painter_.rotate(-state.font.escapement / 10.0);
    const QString string = QString::fromUtf16(text.text.data(), static_cast<qsizetype>(text.text.size()));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(string);
    double x = 0;
    if ((state.text_align & mf::kAlignCentre) == mf::kAlignCentre) {
      x = -width / 2;
    } else if ((state.text_align & mf::kAlignCentre) == mf::kAlignRight) {
      x = -width;
    }
    double y = metrics.ascent();  // the reference point is the top by default
    if ((state.text_align & mf::kAlignBaseline) == mf::kAlignBaseline) {
      y = 0;
    } else if ((state.text_align & mf::kAlignBaseline) == mf::kAlignBottom) {
      y = -metrics.descent();
    }
    if (state.opaque)
      painter_.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), ColourOf(state.background));
    painter_.setPen(ColourOf(state.text_colour));
    painter_.drawText(QPointF(x, y), string);
    painter_.restore();
  }

  // The font at its size in target pixels. A height above 0 is the cell's, below 0 the
  // characters' own.
  [[nodiscard]] QFont FontOf(const mf::Font& wanted) const {
    QFont font;
    if (!wanted.face.empty())
      font.setFamily(QString::fromUtf16(wanted.face.data(), static_cast<qsizetype>(wanted.face.size())));
    font.setBold(wanted.weight >= 600);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strike_out);
    const double logical = wanted.height == 0 ? kDefaultFontHeight : std::abs(static_cast<double>(wanted.height));
    double pixels = logical * std::abs(mapping_.scale_y);
    if (wanted.height > 0) {
      constexpr int kProbe = 100;
      font.setPixelSize(kProbe);
      pixels *= kProbe / std::max(QFontMetricsF(font).height(), 1.0);
    }
    font.setPixelSize(static_cast<int>(std::clamp(std::lround(pixels), 1L, long{kLargestFontPixels})));
    return font;
  }

  void Draw(const mf::DrawBitmap& blit, mf::Point) {
    const mf::Box& source = blit.source;
    if (source.width <= 0 || source.height <= 0 || blit.pixels.empty()) return;
    // A view of the bitmap's own rows; Qt only reads it.
    const QImage image(blit.pixels.bytes().data(), blit.pixels.width(), blit.pixels.height(),
                       static_cast<qsizetype>(blit.pixels.stride()), QImage::Format_BGR888);
    const double scale_x = static_cast<double>(blit.dest.width) / source.width;
    const double scale_y = static_cast<double>(blit.dest.height) / source.height;
    painter_.save();
    painter_.setTransform(QTransform(scale_x, 0, 0, scale_y, blit.dest.x - source.x * scale_x,
                                     blit.dest.y - source.y * scale_y),
                          true);
    const QRectF part(source.x, source.y, source.width, source.height);
    painter_.drawImage(part, image, part);
    painter_.restore();
  }

  void Draw(const mf::FillBox& fill, mf::Point) {
    const QRectF box = QRectF(fill.dest.x, fill.dest.y, fill.dest.width, fill.dest.height).normalized();
    switch (fill.with) {
      case mf::FillWith::kBrush: painter_.fillRect(box, painter_.brush()); break;
      case mf::FillWith::kBlack: painter_.fillRect(box, Qt::black); break;
      case mf::FillWith::kWhite: painter_.fillRect(box, Qt::white); break;
    }
  }

  // State commands never reach here: the context took them.
  template <class StateCommand>
  void Draw(const StateCommand&, mf::Point) {}

  mf::DrawingContext context_;
  QPainter& painter_;
  mf::Mapping mapping_;
  bool dirty_ = false;
  bool synced_ = false;
  mf::Pen pen_;
  double pen_scale_ = 0;
  mf::Brush brush_;
};

}  // namespace

void PaintMetafile(const metafile::Drawing& drawing, QPainter& painter, const QRectF& target) {
  painter.save();
  CommandPainter commands(drawing, painter, target);
  for (const metafile::Command& command : drawing.commands) commands.Paint(command);
  painter.restore();
}

}  // namespace plorvane
