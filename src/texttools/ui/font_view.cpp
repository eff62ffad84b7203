#include "texttools/ui/font_view.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "platform/qt/qt_image.h"
#include "texttools/font_view_geometry.h"
#include "texttools/font_view_picture.h"

namespace plorvane {

TFontView::TFontView(const TextRenderer& text, QWidget* parent)
    : QWidget(parent), text_(text), scroll_bar_(new QScrollBar(Qt::Vertical, this)) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  scroll_bar_->setRange(kFirstSymbolCode, kLastSymbolCode);
  scroll_bar_->setSingleStep(1);
  scroll_bar_->setCursor(Qt::ArrowCursor);
  QObject::connect(scroll_bar_, &QScrollBar::valueChanged, this, [this] { Redraw(); });
}

void TFontView::SetFont(const Font& font) {
  font_ = font;
  Redraw();
}

void TFontView::SetFontName(const std::string& name) {
  font_.name = name;
  Redraw();
  // The status shows the name even while the view is not redrawn.
  if (updating_) Changed();
}

void TFontView::SetTopIndex(int code) { scroll_bar_->setValue(ClampSymbolCode(code)); }

void TFontView::SetItemIndex(int code) {
  const int clamped = ClampSymbolCode(code);
  if (clamped == item_index_) return;
  item_index_ = clamped;
  Redraw();
}

FontViewSettings TFontView::Settings() const { return FontViewSettings{font_, pTopIndex(), item_index_}; }

void TFontView::ApplySettings(const FontViewSettings& settings) {
  const bool was_updating = updating_;
  updating_ = true;
  font_ = settings.pFont;
  SetTopIndex(settings.pTopIndex);
  item_index_ = ClampSymbolCode(settings.pItemIndex);
  updating_ = was_updating;
  Redraw();
}

int TFontView::CellSize() const { return plorvane::CellSize(width(), kScrollBarWidth); }

std::string TFontView::SelectedCharacter() const { return SymbolCharacter(item_index_); }

const Bitmap& TFontView::GlyphImage(int margin) {
  if (!DrawGlyphImage(GlyphFont(font_, CellSize()), item_index_, margin, text_, glyph_image_)) glyph_image_ = Bitmap();
  return glyph_image_;
}

PixelSize TFontView::GlyphImageSize(int margin) const {
  return plorvane::GlyphImageSize(GlyphFont(font_, CellSize()), item_index_, margin, text_);
}

void TFontView::Redraw() {
  if (updating_) return;
  const FontViewScene scene{font_, CellSize(), pTopIndex(), item_index_, height()};
  if (!DrawFontView(scene, text_, picture_)) picture_ = Bitmap();
  update();
  Changed();
}

void TFontView::Changed() const {
  if (OnChange) OnChange();
}

void TFontView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QImage image = ImageOf(picture_);
  painter.drawImage(0, 0, image);
  // Whatever the picture leaves uncovered (the moment before a resize is drawn).
  const QRect covered(0, 0, image.width(), image.height());
  const QRegion rest = QRegion(rect()) - QRegion(covered) - QRegion(scroll_bar_->geometry());
  for (const QRect& part : rest) painter.fillRect(part, palette().color(QPalette::Window));
}

void TFontView::resizeEvent(QResizeEvent* /*event*/) {
  scroll_bar_->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
  scroll_bar_->setPageStep(std::max(height() / CellSize(), 1));
  Redraw();
}

void TFontView::mousePressEvent(QMouseEvent* event) {
  SetItemIndex(ItemAt(event->position().toPoint().y(), pTopIndex(), CellSize()));
  QWidget::mousePressEvent(event);
}

void TFontView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click arrives as this event alone; it selects as well.
  mousePressEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick();
}

void TFontView::contextMenuEvent(QContextMenuEvent* event) {
  if (OnContextMenu) OnContextMenu(event->globalPos());
}

void TFontView::wheelEvent(QWheelEvent* event) {
  // One row per notch, as the scroll bar's arrows move it.
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0) SetTopIndex(pTopIndex() - notches);
}

}  // namespace plorvane
