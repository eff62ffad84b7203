#pragma once
// TForm1, the editor's main window without its widgets: it owns the one card, builds the menu
// tree and the 21 tool buttons, runs every command, keeps the busy state and the caption, and
// decides what is enabled when. The on-screen strip (editor/ui/main_window.h) only shows what
// this says and forwards clicks, so tests drive the editor on the headless platform.
//
// Commands never raise to the caller: a failure is shown in the error box of the card, the
// card clipboard or this form (ShowError with ErrorText), as the command's own rules say.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/platform.h"
#include "platform/popup_menu.h"

namespace plorvane {

class TZarvickV2;
class TCompactSplash;
class ToolWindows;

// What the form asks of its on-screen window: the Qt strip, or a recording fake in tests.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  // The caption, the menus' enabled and checked states or the tool buttons changed: show them
  // again as the form answers them now.
  virtual void Refresh() = 0;
  virtual void SetVisible(bool visible) = 0;
  [[nodiscard]] virtual bool IsVisible() const = 0;
  virtual void SetStayOnTop(bool on_top) = 0;
  // The strip's outer top-left corner on the screen and its width; its height follows the menu
  // bar and the tool bar.
  virtual void Place(Point top_left, int width) = 0;
  // The card's summary (rich text) in a read-only window with that caption; returns when the
  // user has closed it.
  virtual void ShowInformation(const std::string& caption, const std::string& rich_text) = 0;
  // The animation element, insert-text and insert-symbol windows that go with the strip. A strip
  // without them (a benchmark's) answers nullptr, and the Edit menu's items for them stay
  // disabled.
  [[nodiscard]] virtual ToolWindows* tool_windows() { return nullptr; }
};

// The bitmap files (14-byte header, 40-byte information header, pixels) of the three carriers
// the program brings inside itself.
struct EditorCarriers {
  std::vector<std::uint8_t> critical;
  std::vector<std::uint8_t> support;
  std::vector<std::uint8_t> help;
};

struct EditorStart {
  // The program's own executable, copied to where the player's "Edit" finds it.
  std::string own_executable;
  // The card to open at start-up; empty for a new card.
  std::string first_argument;
};

struct ToolButtonState {
  int tag = 0;  // 1..21
  Point position;  // top-left in the tool bar
  std::string hint;  // translated; the three-line hints are joined with "\r\n"
  Bitmap glyph;
  bool enabled = true;
  bool down = false;  // buttons 9 and 10 stay down while their state is on
  bool drag_cursor = false;  // 16, 17 and 19 show the drag cursor, the others the pointing hand
};

class TForm1 {
 public:
  static constexpr int kToolButtonCount = 21;
  static constexpr int kToolButtonSide = 25;
  static constexpr int kStripWidth = 640;

  TForm1(Platform& platform, MainWindowView& view, EditorCarriers carriers, EditorStart start);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The whole start-up. False when it failed: the error has been shown and the program has
  // been asked to end (Application::Terminate), so the caller returns.
  bool FormCreate();

  // The menu bar: its items are the top menus in order ("&File" ... "&Help"), each a submenu
  // whose OnOpen refreshes its items. The window builds its menu bar from it once, after
  // FormCreate, and shows the states again on every Refresh.
  [[nodiscard]] PopupMenu& MainMenu1();
  [[nodiscard]] PopupMenu& PopupMenu1();
  [[nodiscard]] PopupMenu& PopupMenu2();

  [[nodiscard]] const std::array<ToolButtonState, kToolButtonCount>& ToolButtons() const;
  // The tool bar's client height: the buttons' height plus 2.
  [[nodiscard]] int ToolBarHeight() const;
  void iButtons_OnClick(int tag);
  // The mouse on the adjust buttons 16, 17 and 19, in the button's own coordinates; these
  // buttons report their clicks only through AdjustButtonUp, which tells a drag from a click.
  void AdjustButtonDown(int tag, Point at);
  void AdjustButtonMove(int tag, Point at);
  void AdjustButtonUp(int tag, Point at);

  [[nodiscard]] const std::string& Caption() const;
  [[nodiscard]] bool GetBusy() const;
  [[nodiscard]] bool GetOnTop() const;
  // The window calls this every 500 ms.
  void Timer1Timer();
  // The user asked to close the window. The window itself never closes: the program ends only
  // inside ExitSystem.
  void FormCloseQuery();

  [[nodiscard]] TZarvickV2& Card();
  [[nodiscard]] TCompactSplash& Splash();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace plorvane
