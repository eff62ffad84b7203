#pragma once
// TInsertSymbolWindow: the tool window that lists the characters of a font (by default the
// symbol font "Wingdings") one large glyph per row and hands the selected glyph to the main
// window as a picture. The main window handles OnInsert by taking GlyphImage() and adding it to
// the card as a transparent one-frame animation; the one-pixel background margin makes the
// image's top-left pixel background. The glyph also goes to the system clipboard as an image or
// a one-character text; font and colour come from dialogs, from the screen or from the font
// clipboard, and the window keeps them with its size and place in "TInsertSymbolWindow.INI".
//
// Closing the window only hides it.

#include <QMainWindow>
#include <QToolButton>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "graphics/bitmap.h"
#include "platform/platform.h"
#include "platform/popup_menu.h"
#include "texttools/eye_dropper.h"
#include "texttools/symbol_window_settings.h"
#include "texttools/ui/font_view.h"
#include "texttools/ui/status_panels.h"
#include "texttools/ui/tool_window_frame.h"

namespace plorvane {

class QtMenuBar;

// The tags of the window's menu items and tool buttons; one handler dispatches on them.
enum class SymbolCommand {
  kDragWindow = 0,  // tool button 5: dragging, no click
  kEditMenu = 1,
  kInsert = 2,  // also a double click on the view
  kCopyAsText = 3,
  kCopyAsImage = 4,
  kOnTop = 5,
  kFontMenu = 6,
  kDefineFont = 7,
  kColour = 8,
  kCopyFont = 9,
  kPasteFont = 10,
  kHelpMenu = 11,
  kHelp = 12,
};

class TInsertSymbolWindow final : public QMainWindow {
 public:
  static constexpr int kGlyphMargin = 1;
  static constexpr int kInitialWidth = 133;
  static constexpr int kInitialHeight = 350;
  static constexpr int kInitialCode = 33;
  static constexpr int kButtonCount = 5;

  // The platform must outlive the window. Made 133 by 350, centred, hidden.
  explicit TInsertSymbolWindow(Platform& platform, QWidget* parent = nullptr);
  ~TInsertSymbolWindow() override;
  TInsertSymbolWindow(const TInsertSymbolWindow&) = delete;
  TInsertSymbolWindow& operator=(const TInsertSymbolWindow&) = delete;

  // Raised by the insert command while it is enabled and the window is not busy.
  std::function<void()> OnInsert;
  // The Help command; it is enabled only while this is set.
  std::function<void()> OnHelp;

  // The selected glyph for the card or the clipboard; the window owns the bitmap, which stays
  // valid until the next call.
  const Bitmap& GlyphImage(int margin = kGlyphMargin) { return view_->GlyphImage(margin); }

  // The insert command in the Edit menu, the popup menu and (unless busy) tool button 1.
  void SetInsertEnabled(bool enabled);
  [[nodiscard]] bool InsertEnabled() const { return insert_enabled_; }
  // Locks the window while the main window works: busy cursor, menus, view and buttons disabled.
  void SetBusy(bool busy);
  [[nodiscard]] bool Busy() const { return busy_; }

  // The settings file in the settings folder. Failures only set LastError; a file that does not
  // read whole changes nothing, and a window record whose font view record does not read keeps
  // the view as it was.
  bool LoadSettings();
  bool SaveSettings();
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  [[nodiscard]] bool pOnTop() const { return on_top_; }
  void SetOnTop(bool on_top);

  // Runs the command of a menu item or tool button.
  void Click(SymbolCommand command);

  [[nodiscard]] TFontView& FontView() { return *view_; }
  [[nodiscard]] PopupMenu& MenuBarModel() { return menu_bar_model_; }
  [[nodiscard]] PopupMenu& PopupModel() { return popup_; }
  [[nodiscard]] ToolPanel& Tools() { return *tools_; }
  // Left to right: insert, colour, font, copy as image, drag window.
  [[nodiscard]] QToolButton& Button(int index) { return *buttons_.at(static_cast<std::size_t>(index)); }
  [[nodiscard]] const StatusPanels& Status() const { return *status_; }
  // The screen's logical resolution, at which point sizes become pixels.
  [[nodiscard]] int PixelsPerInch() const { return logicalDpiY(); }

 private:
  struct MenuItems;

  void BuildMenus();
  void BuildToolPanel();
  void ShowStatus();
  // The view takes the font, and the window's width gives it rows as high as the font.
  void TakeFont(const Font& font);
  void TakeColour(Colour colour);
  [[nodiscard]] SymbolWindowSettings CurrentSettings() const;
  // False when the font view's record inside does not read; the rest applies all the same.
  bool Apply(const SymbolWindowSettings& settings);

  Platform& platform_;
  TEyeDropper eye_dropper_;
  PopupMenu menu_bar_model_;
  PopupMenu popup_;
  std::unique_ptr<MenuItems> items_;
  std::unique_ptr<QtMenuBar> menu_bar_;
  ToolPanel* tools_ = nullptr;  // the widgets are owned by the window
  std::array<QToolButton*, kButtonCount> buttons_{};
  TFontView* view_ = nullptr;
  StatusPanels* status_ = nullptr;
  std::string status_text_;  // shown instead of the font name, such as "Dragging"
  std::string last_error_;
  bool insert_enabled_ = true;
  bool busy_ = false;
  bool on_top_ = false;
};

}  // namespace plorvane
