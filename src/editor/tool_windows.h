#pragma once
// The three tool windows as the main window sees them: the animation element window, the
// insert-text window and the insert-symbol window. The editor's Qt layer implements ToolWindows
// over the real windows, tests over a recording fake; what the windows ask of the main window
// comes back through ToolWindowEvents.

#include <string>

#include "graphics/bitmap.h"

namespace plorvane {

enum class ToolWindow { kAnimationElement, kTextInsert, kInsertSymbol };

class ToolWindowEvents {
 public:
  virtual ~ToolWindowEvents() = default;
  // The insert-text or insert-symbol window's insert command.
  virtual void OnInsert(ToolWindow sender) = 0;
  virtual void OnHelp(ToolWindow sender) = 0;
  // The insert-text window's Synchronise command.
  virtual void OnSync() = 0;
  // The animation element window's frame-rate button.
  virtual void OnFpsMenu() = 0;
};

class ToolWindows {
 public:
  virtual ~ToolWindows() = default;
  // Connects the windows' events; the animation element window starts listening to the card's
  // animations. The events must outlive the windows' use of them (until Wire(nullptr)).
  virtual void Wire(ToolWindowEvents* events) = 0;
  // In its normal state (not minimised), shown and raised.
  virtual void Show(ToolWindow window) = 0;
  // The insert-text window's Synchronise caption; empty hides the command.
  virtual void SetSyncCaption(const std::string& caption) = 0;
  // The frame rate chosen in the frame-rate menu, applied to the selected element.
  virtual void SetFps(int fps) = 0;
  // The insert commands of the insert-text and insert-symbol windows.
  virtual void SetInsertEnabled(bool enabled) = 0;
  virtual void SetBusy(bool busy) = 0;
  // The rendered text or the selected symbol, valid until ReleaseInsertPicture; the animation
  // element window has none (an empty bitmap).
  [[nodiscard]] virtual const Bitmap& InsertPicture(ToolWindow sender) = 0;
  virtual void ReleaseInsertPicture(ToolWindow sender) = 0;
  // The insert-text window's text area becomes width by height.
  virtual void SyncTextSize(int width, int height) = 0;
  // Each window's own settings file; failures are the windows' own and silent.
  virtual void LoadSettings() = 0;
  virtual void SaveSettings() = 0;
};

}  // namespace plorvane
