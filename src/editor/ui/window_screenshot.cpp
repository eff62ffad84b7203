#include "editor/ui/window_screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace plorvane {

bool WindowsAreExposed() {
  std::vector<QWidget*> shown;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) shown.push_back(window);
  }
  return WindowsAreExposed(shown);
}

bool WindowsAreExposed(const std::vector<QWidget*>& windows) {
  for (const QWidget* window : windows) {
    const QWindow* handle = window->windowHandle();
    if (!window->isVisible() || handle == nullptr || !handle->isExposed()) return false;
  }
  return true;
}

bool WriteWindowsScreenshot(const QString& path) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return false;
  QRect shown;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    // Painted now rather than at the windows' own pace, so the screen holds their pixels before
    // it is read on the same connection.
    window->repaint();
    shown |= window->frameGeometry();
  }
  shown &= screen->geometry();
  if (shown.isEmpty()) return false;
  const QPixmap picture = screen->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height());
  return !picture.isNull() && picture.save(path, "PNG");
}

}  // namespace plorvane
