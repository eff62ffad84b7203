#pragma once
// What `plorvane --screenshot FILE --shoot WHAT` pictures, for the pictures of the help pages:
//
//   (no --shoot)               every window the editor shows after start-up, read off the screen
//   editor                     the strip and the card, once the splash has gone
//   strip                      the strip alone: menu bar and tool bar
//   text, symbol, animation    one tool window, opened first (as the Edit menu opens it)
//   menu:NAME                  the strip with one of its menus open; NAME is the menu's caption
//                              without "&" ("menu:Frame")
//
// The chosen windows are drawn by Qt into the picture (not read off the screen), so nothing
// that stands in front of them, such as the splash or the card, shows in it.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/tool_windows.h"

class QWidget;

namespace plorvane {

class MainWindow;
class QtToolWindows;

struct ScreenshotSubject {
  enum class Kind { kEditor, kStrip, kToolWindow, kMenu };
  Kind kind = Kind::kEditor;
  ToolWindow window = ToolWindow::kTextInsert;  // for kToolWindow
  std::string menu;                             // for kMenu, without "&"
};

// The subject that `what` names; nothing for a word it does not know or an empty menu name.
std::optional<ScreenshotSubject> ReadScreenshotSubject(std::string_view what);

// A caption as the user reads it: "&&" stands for "&", any other "&" goes.
std::string WithoutMnemonic(std::string_view caption);

// The windows to picture once they are all on the screen; empty until then.
using ShotWindows = std::function<std::vector<QWidget*>()>;

// Opens what the subject needs (a tool window, a menu) and answers how to find the windows to
// picture; nothing when the strip has no menu of that name.
std::optional<ShotWindows> StageScreenshot(const ScreenshotSubject& subject, MainWindow& strip, QtToolWindows& tools);

// Draws the windows into one picture, each where it stands on the screen, on a white ground,
// and writes it as a PNG file; false when there is nothing to draw or the file cannot be written.
bool WriteWidgetsPicture(const std::vector<QWidget*>& windows, const QString& path);

}  // namespace plorvane
