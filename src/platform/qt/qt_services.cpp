#include "platform/qt/qt_services.h"

#include <QClipboard>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QScreen>

#include "platform/qt/qt_font_substitutes.h"
#include "platform/qt/qt_image.h"

namespace plorvane {
namespace {

QString QtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool QtClipboard::HasBitmap() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasImage();
}

bool QtClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

std::optional<Bitmap> QtClipboard::GetBitmap() const {
  if (!HasBitmap()) return std::nullopt;
  Bitmap bitmap = BitmapOf(QGuiApplication::clipboard()->image());
  if (bitmap.empty()) return std::nullopt;
  return bitmap;
}

std::optional<std::string> QtClipboard::GetText() const {
  if (!HasText()) return std::nullopt;
  return QGuiApplication::clipboard()->text().toStdString();
}

bool QtClipboard::SetBitmap(const Bitmap& bitmap) {
  QGuiApplication::clipboard()->setImage(ImageOf(bitmap));
  return HasBitmap();
}

bool QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  return HasText();
}

bool QtShell::OpenDocument(const std::string& target) {
  return QProcess::startDetached("xdg-open", {QString::fromStdString(target)});
}

bool QtShell::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& working_folder) {
  QStringList list;
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program), list, QString::fromStdString(working_folder));
}

PixelSize QtScreen::Size() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0};
  const QSize size = screen->geometry().size();
  return {size.width(), size.height()};
}

Point QtScreen::MousePosition() const {
  const QPoint at = QCursor::pos();
  return {at.x(), at.y()};
}

Colour QtScreen::PixelAt(Point screen_point) const {
  const QPoint at(screen_point.x, screen_point.y);
  QScreen* screen = QGuiApplication::screenAt(at);
  if (screen == nullptr) return kBlack;
  const QPoint inside = at - screen->geometry().topLeft();
  const QImage pixel = screen->grabWindow(0, inside.x(), inside.y(), 1, 1).toImage();
  if (pixel.isNull()) return kBlack;
  return ColourOf(pixel.pixelColor(0, 0));
}

QColor QColorOf(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

Colour ColourOf(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return MakeColour(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                    static_cast<std::uint8_t>(rgb.blue()));
}

Font FontOf(const QFont& font, Colour colour) {
  Font out;
  out.name = font.family().toStdString();
  out.size = font.pointSize() > 0 ? font.pointSize() : out.size;
  out.pixel_height = font.pointSize() > 0 ? 0 : std::max(font.pixelSize(), 0);
  out.bold = font.bold();
  out.italic = font.italic();
  out.underline = font.underline();
  out.strikeout = font.strikeOut();
  out.colour = colour;
  return out;
}

QFont QFontOf(const Font& font) {
  QFont out(QString::fromStdString(font.name.empty() ? std::string("Arial") : font.name));
  if (font.pixel_height > 0) {
    out.setPixelSize(font.pixel_height);
  } else {
    out.setPointSize(std::max(font.size, 1));
  }
  out.setBold(font.bold);
  out.setItalic(font.italic);
  out.setUnderline(font.underline);
  out.setStrikeOut(font.strikeout);
  return out;
}

struct QtTextRenderer::Cached {
  explicit Cached(const Font& core) : font(core), qt_font(QFontOf(core)), metrics(qt_font) {}
  Font font;
  QFont qt_font;
  QFontMetrics metrics;
};

QtTextRenderer::QtTextRenderer() { InstallFontSubstitutes(); }
QtTextRenderer::~QtTextRenderer() = default;

const QtTextRenderer::Cached& QtTextRenderer::FontFor(const Font& font) const {
  if (!cached_ || !(cached_->font == font)) cached_ = std::make_unique<Cached>(font);
  return *cached_;
}

PixelSize QtTextRenderer::Measure(std::string_view text, const Font& font) const {
  const QFontMetrics& metrics = FontFor(font).metrics;
  return {metrics.horizontalAdvance(QtText(text)), metrics.height()};
}

void QtTextRenderer::Draw(Bitmap& target, Point origin, std::string_view text, const Font& font,
                          const Rect& clip) const {
  const Rect bounds{std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.width()),
                    std::min(clip.bottom, target.height())};
  if (bounds.empty() || text.empty()) return;
  QImage view = PaintableView(target);
  QPainter painter(&view);
  painter.setClipRect(QRect(bounds.left, bounds.top, bounds.width(), bounds.height()));
  const Cached& cached = FontFor(font);
  painter.setFont(cached.qt_font);
  painter.setPen(QColorOf(font.colour));
  painter.drawText(QPoint(origin.x, origin.y + cached.metrics.ascent()), QtText(text));
}

}  // namespace plorvane
