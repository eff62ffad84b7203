#pragma once
// The editor's three tool windows on the screen: the animation element window, the insert-text
// window and the insert-symbol window, made once with the strip and shown by the Edit menu. They
// hand their events to the form through ToolWindowEvents.

#include "animation/ui/animation_element_window.h"
#include "editor/tool_windows.h"
#include "texttools/ui/insert_symbol_window.h"
#include "texttools/ui/text_insert_window.h"

namespace plorvane {

class Platform;
class TZarvickClipboard;

class QtToolWindows final : public ToolWindows {
 public:
  // Both must outlive the windows; the clipboard's card must be unset or alive when they go.
  QtToolWindows(Platform& platform, TZarvickClipboard& clipboard);

  void Wire(ToolWindowEvents* events) override;
  void Show(ToolWindow window) override;
  void SetSyncCaption(const std::string& caption) override { text_.SetSyncCaption(caption); }
  void SetFps(int fps) override { element_.SetFps(fps, true); }
  void SetInsertEnabled(bool enabled) override;
  void SetBusy(bool busy) override;
  [[nodiscard]] const Bitmap& InsertPicture(ToolWindow sender) override;
  void ReleaseInsertPicture(ToolWindow sender) override;
  void SyncTextSize(int width, int height) override { text_.SyncSize(width, height); }
  void LoadSettings() override;
  void SaveSettings() override;

  [[nodiscard]] TAnimationElementWindow& ElementWindow() { return element_; }
  [[nodiscard]] TTextInsertWindow& TextWindow() { return text_; }
  [[nodiscard]] TInsertSymbolWindow& SymbolWindow() { return symbol_; }

 private:
  TAnimationElementWindow element_;
  TTextInsertWindow text_;
  TInsertSymbolWindow symbol_;
  const Bitmap no_picture_;
};

}  // namespace plorvane
