#include "texttools/ui/tool_window_frame.h"

#include <QApplication>
#include <QBitmap>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>

#include "platform/qt/qt_image.h"
#include "support/translate.h"
#include "support/window_placement.h"

namespace plorvane {

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent) {
  setFixedHeight(kButtonSide + 2 * kLineHeight);
  setAutoFillBackground(true);
  SetHighlighted(false);
}

QToolButton& ToolPanel::AddButton(const QString& hint, const Bitmap& glyph, bool drag_cursor) {
  auto* button = new QToolButton(this);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(kButtonSide, kButtonSide);
  button->move(buttons_right_, kLineHeight);
  button->setToolTip(hint);
  button->setCursor(drag_cursor ? Qt::DragMoveCursor : Qt::PointingHandCursor);
  if (const QPixmap pixmap = GlyphPixmap(glyph); !pixmap.isNull()) {
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
  } else {
    button->setText(hint.left(1));  // a glyph that does not decode still leaves a usable button
  }
  buttons_right_ += kButtonSide;
  return *button;
}

void ToolPanel::SetHighlighted(bool on) {
  highlighted_ = on;
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QApplication::palette().color(on ? QPalette::Highlight : QPalette::Button));
  setPalette(colours);
}

void ToolPanel::paintEvent(QPaintEvent* /*event*/) {
  // Two etched lines, dark over light, as a top-line bevel draws them.
  QPainter painter(this);
  const QColor dark = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  for (const int top : {0, height() - kLineHeight}) {
    painter.fillRect(0, top, width(), 1, dark);
    painter.fillRect(0, top + 1, width(), 1, light);
  }
}

QSize ScreenSizeOf(const QWidget& window) {
  const QScreen* screen = window.screen() != nullptr ? window.screen() : QApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().size() : QSize(0, 0);
}

void PlaceOnScreen(QWidget& window, QPoint top_left) {
  const QSize screen_size = ScreenSizeOf(window);
  const QRect frame = window.frameGeometry();
  const WindowBounds placed = PlacedBounds(WindowBounds{top_left.x(), top_left.y(), frame.width(), frame.height()},
                                           screen_size.width(), screen_size.height());
  window.move(placed.left, placed.top);
}

void CentreOnScreen(QWidget& window) {
  const QSize screen_size = ScreenSizeOf(window);
  const QRect frame = window.frameGeometry();
  const WindowPosition centred =
      CentredPosition(frame.width(), frame.height(), screen_size.width(), screen_size.height());
  window.move(centred.left, centred.top);
}

WindowDragButton::WindowDragButton(QAbstractButton& button, QWidget& window, std::function<void(bool)> on_dragging)
    : QObject(&button), window_(window), on_dragging_(std::move(on_dragging)) {
  button.installEventFilter(this);
}

bool WindowDragButton::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      dragging_ = true;
      grab_offset_ = mouse->globalPosition().toPoint() - window_.frameGeometry().topLeft();
      if (on_dragging_) on_dragging_(true);
      break;
    }
    case QEvent::MouseMove:
      if (dragging_) PlaceOnScreen(window_, static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grab_offset_);
      break;
    case QEvent::MouseButtonRelease:
      if (dragging_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        dragging_ = false;
        if (on_dragging_) on_dragging_(false);
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

ScreenColourButton::ScreenColourButton(QAbstractButton& button, const TEyeDropper& eye_dropper,
                                       std::function<void(Colour)> picked)
    : QObject(&button), button_(button), eye_dropper_(eye_dropper), picked_(std::move(picked)) {
  button.installEventFilter(this);
}

bool ScreenColourButton::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      held_ = held_ || static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
      break;
    case QEvent::MouseMove:
      if (held_ && !button_.rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()) && picked_) {
        picked_(eye_dropper_.CursorColor());
      }
      break;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) held_ = false;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

QString TooltipOf(const std::string& hint) { return QString::fromStdString(hint).replace("\r\n", "\n"); }

std::string ScreenColourHint() {
  return Translate("Color") + "\r\n" + "* " + Translate("Click for Color Window") + "\r\n" + "* " +
         Translate("Click and drag for Screen Color");
}

QPixmap GlyphPixmap(const Bitmap& glyph) {
  if (glyph.width() == 0 || glyph.height() == 0) return {};
  const QImage image = ImageOf(glyph);
  QPixmap pixmap = QPixmap::fromImage(image);
  const QRgb transparent = image.pixel(0, image.height() - 1);
  pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
  return pixmap;
}

}  // namespace plorvane
