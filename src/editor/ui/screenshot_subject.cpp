#include "editor/ui/screenshot_subject.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>
#include <array>
#include <utility>

#include "editor/ui/main_window.h"
#include "editor/ui/qt_tool_windows.h"
#include "editor/ui/window_screenshot.h"

namespace plorvane {
namespace {

constexpr std::string_view kMenuPrefix = "menu:";

constexpr std::array<std::pair<std::string_view, ToolWindow>, 3> kToolWindowNames = {{
    {"text", ToolWindow::kTextInsert},
    {"symbol", ToolWindow::kInsertSymbol},
    {"animation", ToolWindow::kAnimationElement},
}};

QWidget& WindowOf(QtToolWindows& tools, ToolWindow window) {
  switch (window) {
    case ToolWindow::kTextInsert:
      return tools.TextWindow();
    case ToolWindow::kInsertSymbol:
      return tools.SymbolWindow();
    case ToolWindow::kAnimationElement:
      break;
  }
  return tools.ElementWindow().Form();
}

QAction* MenuNamed(QMenuBar& bar, const std::string& name) {
  for (QAction* action : bar.actions()) {
    if (action->menu() != nullptr && WithoutMnemonic(action->text().toStdString()) == name) return action;
  }
  return nullptr;
}

}  // namespace

std::optional<ScreenshotSubject> ReadScreenshotSubject(std::string_view what) {
  ScreenshotSubject subject;
  if (what == "editor" || what == "strip") {
    subject.kind = what == "editor" ? ScreenshotSubject::Kind::kEditor : ScreenshotSubject::Kind::kStrip;
    return subject;
  }
  for (const auto& [name, window] : kToolWindowNames) {
    if (what != name) continue;
    subject.kind = ScreenshotSubject::Kind::kToolWindow;
    subject.window = window;
    return subject;
  }
  if (what.starts_with(kMenuPrefix) && what.size() > kMenuPrefix.size()) {
    subject.kind = ScreenshotSubject::Kind::kMenu;
    subject.menu = std::string(what.substr(kMenuPrefix.size()));
    return subject;
  }
  return std::nullopt;
}

std::string WithoutMnemonic(std::string_view caption) {
  std::string plain;
  for (std::size_t at = 0; at < caption.size(); ++at) {
    if (caption[at] == '&') {
      if (at + 1 >= caption.size()) break;
      ++at;
    }
    plain += caption[at];
  }
  return plain;
}

std::optional<ShotWindows> StageScreenshot(const ScreenshotSubject& subject, MainWindow& strip,
                                           QtToolWindows& tools) {
  const auto when_exposed = [](std::vector<QWidget*> windows) -> ShotWindows {
    return [windows] { return WindowsAreExposed(windows) ? windows : std::vector<QWidget*>{}; };
  };
  switch (subject.kind) {
    case ScreenshotSubject::Kind::kEditor:
      // The splash is a third window until it closes itself.
      return [] {
        std::vector<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (window->isVisible()) shown.push_back(window);
        }
        return shown.size() == 2 && WindowsAreExposed(shown) ? shown : std::vector<QWidget*>{};
      };
    case ScreenshotSubject::Kind::kStrip:
      return when_exposed({&strip});
    case ScreenshotSubject::Kind::kToolWindow:
      tools.Show(subject.window);
      return when_exposed({&WindowOf(tools, subject.window)});
    case ScreenshotSubject::Kind::kMenu: {
      QAction* menu = MenuNamed(strip.MenuBar(), subject.menu);
      if (menu == nullptr) break;
      // Opens the menu as a click on its title does, its items enabled as they would be then.
      strip.MenuBar().setActiveAction(menu);
      return when_exposed({&strip, menu->menu()});
    }
  }
  return std::nullopt;
}

bool WriteWidgetsPicture(const std::vector<QWidget*>& windows, const QString& path) {
  QRect area;
  for (const QWidget* window : windows) {
    if (window->isVisible()) area |= window->geometry();
  }
  if (area.isEmpty()) return false;
  QImage picture(area.size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    for (QWidget* window : windows) {
      if (window->isVisible()) painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    }
  }
  return picture.save(path, "PNG");
}

}  // namespace plorvane
