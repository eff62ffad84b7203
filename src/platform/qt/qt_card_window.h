#pragma once
// The card window on Qt: a widget that shows the pixels the core presented, keeps exactly its
// size, and hands the mouse and keyboard to the core.

#include <QElapsedTimer>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/card_window.h"
#include "platform/qt/qt_cursors.h"

namespace plorvane {

class QtCardWindow final : public QWidget, public CardWindow {
 public:
  // `show_menu` opens an attached menu at a screen point after a right press.
  QtCardWindow(WindowEventReceiver& receiver, WindowRole role, QtCursors& cursors,
               std::function<void(PopupMenu&, Point)> show_menu);
  ~QtCardWindow() override;
  QtCardWindow(const QtCardWindow&) = delete;
  QtCardWindow& operator=(const QtCardWindow&) = delete;

  void SetClientSize(PixelSize size) override;
  [[nodiscard]] PixelSize ClientSize() const override;
  void MoveTo(Point screen_position) override;
  [[nodiscard]] Point ScreenPosition() const override;
  bool StartSystemMove() override;
  void Show() override;
  void Hide() override;
  [[nodiscard]] bool IsVisible() const override { return isVisible(); }
  void SetEnabled(bool enabled) override { setEnabled(enabled); }
  void RequestRepaint() override { update(); }
  void Present(const Bitmap& pixels, Point at) override;
  void AttachPopupMenu(PopupMenu* menu) override { menu_ = menu; }
  void SetCursor(WindowCursor cursor) override;
  void SetTitle(const std::string& title) override;
  void SetStayOnTop(bool on_top) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowCursorOf(const QCursor& slot);
  // Asks Qt to paint what was presented since the last paint.
  void PaintPresented();

  WindowEventReceiver& receiver_;
  QtCursors& cursors_;
  std::function<void(PopupMenu&, Point)> show_menu_;
  QImage surface_;
  PopupMenu* menu_ = nullptr;
  WindowCursor cursor_ = WindowCursor::kSlotCursor;
  int cursor_viewer_ = 0;
  // Something was presented since the last resize.
  bool presented_ = false;
  // What was presented and is not on the screen yet.
  QRegion dirty_;
  QTimer frame_pacer_;
  QElapsedTimer last_paint_;
};

// The platform-neutral code of a Qt key (card_window.h), or 0 for keys the core does not use.
int KeyCodeOf(int qt_key);

}  // namespace plorvane
