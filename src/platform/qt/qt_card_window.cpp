#include "platform/qt/qt_card_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/qt/qt_image.h"

namespace plorvane {
namespace {

// A 60 Hz screen: at most one paint per refresh.
constexpr qint64 kFrameMilliseconds = 16;

MouseEvent MouseEventOf(const QMouseEvent& event) {
  MouseEvent out;
  switch (event.button()) {
    case Qt::RightButton:
      out.button = MouseButton::kRight;
      break;
    case Qt::MiddleButton:
      out.button = MouseButton::kMiddle;
      break;
    default:
      out.button = MouseButton::kLeft;
  }
  out.shift = (event.modifiers() & Qt::ShiftModifier) != 0;
  out.control = (event.modifiers() & Qt::ControlModifier) != 0;
  const QPoint position = event.position().toPoint();
  out.position = {position.x(), position.y()};
  return out;
}

Qt::WindowFlags FlagsOf(WindowRole role) {
  return role == WindowRole::kDialog ? Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                     : Qt::Window | Qt::FramelessWindowHint;
}

}  // namespace

int KeyCodeOf(int qt_key) {
  if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) || (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)) return qt_key;
  switch (qt_key) {
    case Qt::Key_Space:
      return ' ';
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Delete:
      return kKeyDelete;
    default:
      return 0;
  }
}

QtCardWindow::QtCardWindow(WindowEventReceiver& receiver, WindowRole role, QtCursors& cursors,
                           std::function<void(PopupMenu&, Point)> show_menu)
    : QWidget(nullptr, FlagsOf(role)), receiver_(receiver), cursors_(cursors), show_menu_(std::move(show_menu)) {
  if (role == WindowRole::kDialog) setWindowModality(Qt::ApplicationModal);
  // The player's window is its main window: closing it ends the program.
  setAttribute(Qt::WA_QuitOnClose, role == WindowRole::kMain);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  SetClientSize({1, 1});
  move(0, 0);
  cursor_viewer_ = cursors_.AddViewer([this](const QCursor& slot) { ShowCursorOf(slot); });
  frame_pacer_.setSingleShot(true);
  frame_pacer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frame_pacer_, &QTimer::timeout, this, [this] { PaintPresented(); });
}

QtCardWindow::~QtCardWindow() { cursors_.RemoveViewer(cursor_viewer_); }

void QtCardWindow::SetClientSize(PixelSize size) {
  const QSize wanted(std::max(size.width, 1), std::max(size.height, 1));
  // The screen's own format, so painting is a plain copy.
  QImage resized(wanted, QImage::Format_RGB32);
  resized.fill(Qt::black);
  if (!surface_.isNull()) {
    QPainter painter(&resized);
    painter.drawImage(0, 0, surface_);
  }
  surface_ = std::move(resized);
  presented_ = false;
  setFixedSize(wanted);
}

PixelSize QtCardWindow::ClientSize() const { return {width(), height()}; }

void QtCardWindow::MoveTo(Point screen_position) {
  // move() places the frame; the client area sits inside it by the frame's width.
  const QPoint frame_offset = geometry().topLeft() - frameGeometry().topLeft();
  move(QPoint(screen_position.x, screen_position.y) - frame_offset);
}

Point QtCardWindow::ScreenPosition() const {
  const QPoint client = geometry().topLeft();
  return {client.x(), client.y()};
}

bool QtCardWindow::StartSystemMove() {
  // On X11 this is the window manager's move; Qt answers false where none offers one.
  QWindow* window = windowHandle();
  return window != nullptr && window->startSystemMove();
}

void QtCardWindow::Show() {
  show();
  raise();
  activateWindow();
}

void QtCardWindow::Hide() { hide(); }

void QtCardWindow::Present(const Bitmap& pixels, Point at) {
  const QRect area = QRect(at.x, at.y, pixels.width(), pixels.height()).intersected(surface_.rect());
  if (area.isEmpty()) return;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const std::uint8_t* from = pixels.scanline(y - at.y) + static_cast<std::size_t>(area.left() - at.x) * 3;
    auto* to = reinterpret_cast<QRgb*>(surface_.scanLine(y)) + area.left();
    for (int x = 0; x < area.width(); ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
  }
  presented_ = true;
  dirty_ |= area;
  if (frame_pacer_.isActive()) return;
  // Animation frames come faster than a screen refreshes, so paints keep to its pace; a frame
  // presented after a quiet spell is painted at once.
  const qint64 since = last_paint_.isValid() ? last_paint_.elapsed() : kFrameMilliseconds;
  if (since >= kFrameMilliseconds) {
    PaintPresented();
  } else {
    frame_pacer_.start(static_cast<int>(kFrameMilliseconds - since));
  }
}

void QtCardWindow::PaintPresented() {
  last_paint_.start();
  update(dirty_);
  dirty_ = QRegion();
}

void QtCardWindow::SetCursor(WindowCursor cursor) {
  cursor_ = cursor;
  ShowCursorOf(cursors_.SlotCursor());
}

void QtCardWindow::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

void QtCardWindow::ShowCursorOf(const QCursor& slot) {
  switch (cursor_) {
    case WindowCursor::kSlotCursor:
      setCursor(slot);
      break;
    case WindowCursor::kDragCursor:
      setCursor(Qt::SizeAllCursor);
      break;
    case WindowCursor::kArrowCursor:
      setCursor(Qt::ArrowCursor);
      break;
    case WindowCursor::kLinkCursor:
      setCursor(Qt::PointingHandCursor);
      break;
  }
}

void QtCardWindow::paintEvent(QPaintEvent* event) {
  // The surface keeps what was presented; the core is asked only when it holds nothing yet.
  if (!presented_) receiver_.OnPaint();
  QPainter painter(this);
  // Rectangle by rectangle: the bounding rectangle of scattered elements is most of the card.
  for (const QRect& part : event->region()) painter.drawImage(part, surface_, part);
}

void QtCardWindow::mousePressEvent(QMouseEvent* event) {
  receiver_.OnMouseDown(MouseEventOf(*event));
  if (event->button() == Qt::RightButton && menu_ != nullptr) {
    const QPoint global = event->globalPosition().toPoint();
    show_menu_(*menu_, {global.x(), global.y()});
  }
}

void QtCardWindow::mouseMoveEvent(QMouseEvent* event) { receiver_.OnMouseMove(MouseEventOf(*event)); }

void QtCardWindow::mouseReleaseEvent(QMouseEvent* event) { receiver_.OnMouseUp(MouseEventOf(*event)); }

void QtCardWindow::keyPressEvent(QKeyEvent* event) {
  KeyEvent key;
  key.key = KeyCodeOf(event->key());
  key.shift = (event->modifiers() & Qt::ShiftModifier) != 0;
  key.control = (event->modifiers() & Qt::ControlModifier) != 0;
  key.alt = (event->modifiers() & Qt::AltModifier) != 0;
  if (key.key == 0 || !receiver_.OnKeyDown(key)) QWidget::keyPressEvent(event);
}

void QtCardWindow::closeEvent(QCloseEvent* event) {
  receiver_.OnClose();
  event->accept();
}

void QtCardWindow::SetStayOnTop(bool on_top) {
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
  // Changing a window flag hides the window.
  if (shown) show();
}

}  // namespace plorvane
