#pragma once
// TTextInsertWindow: a small text editor in a tool window of its own. The user types or loads
// text, chooses font and colour, and inserts the text into the card: the window draws the text
// into a bitmap (texttools/text_rendering.h) and raises OnInsert, whose handler takes the
// picture with TextAsImage, adds it to the card and gives it back with ReleaseImage. The window
// also loads and saves text files, copies the picture to the system clipboard, passes fonts
// through the font clipboard and keeps its state in TTextInsertWindow.INI.
//
//   TTextInsertWindow text_window(platform, &main_window);
//   text_window.OnInsert = [&](TTextInsertWindow& sender) {
//     SetBusy(true);                       // also calls sender.SetBusy(true)
//     const Bitmap& picture = sender.TextAsImage();
//     if (!picture.empty()) AddStrip(picture);  // empty: stopped or too large, see LastError
//     sender.ReleaseImage();
//     SetBusy(false);
//   };
//
// Closing the window only hides it. Every command has a tag (text_insert_commands.h); Click runs
// it as its menu item or tool button does.

#include <QWidget>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "graphics/bitmap.h"
#include "media/open_handler.h"
#include "platform/font.h"
#include "platform/platform.h"
#include "support/limits.h"
#include "texttools/eye_dropper.h"
#include "texttools/text_insert_settings.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QToolButton;

namespace plorvane {

class TExtProgressBar;
class ToolPanel;

class TTextInsertWindow final : public QWidget {
 public:
  using Event = std::function<void(TTextInsertWindow& sender)>;

  static constexpr int kInitialWidth = 300;
  static constexpr int kInitialHeight = 400;
  static constexpr int kWordWrapPanelWidth = 100;
  static constexpr int kStatusPanelWidth = 200;
  // What the memo takes from a file. More lines than a picture has rows could never be
  // inserted, and a larger text would stall the editor; a longer file fills the memo up to here
  // and fails with "Capacity reached".
  static constexpr std::size_t kMemoCapacityLines = limits::kMaxBitmapSide;
  static constexpr std::size_t kMemoCapacityBytes = 16 * 1024 * 1024;

  // Hidden, 300 by 400 and centred, "Untitled.txt", status "Ready". The platform must outlive
  // the window; with a parent the window stays a window of its own but goes with the parent.
  explicit TTextInsertWindow(Platform& platform, QWidget* parent = nullptr);
  ~TTextInsertWindow() override;
  TTextInsertWindow(const TTextInsertWindow&) = delete;
  TTextInsertWindow& operator=(const TTextInsertWindow&) = delete;

  Event OnInsert;
  Event OnHelp;
  Event OnSync;

  // The insert command (menu item, and the tool button unless busy).
  void SetInsertEnabled(bool enabled);
  // The Synchronise command's caption, shown as given; an empty caption hides the command.
  void SetSyncCaption(const std::string& caption);
  // The host's busy switch: locks menus, memo and every tool button but Stop.
  void SetBusy(bool busy);
  [[nodiscard]] bool Busy() const { return host_busy_ || work_depth_ > 0; }

  // The settings file; failures only leave their text in LastError.
  bool LoadSettings();
  bool SaveSettings();

  // Resizes the window, keeping its position, so that the memo's text area becomes width by
  // height (as far as the window's smallest size allows).
  void SyncSize(int width, int height);

  // The text drawn into the window's own picture, which stays the window's: valid until
  // ReleaseImage or the next call. Empty when the rendering failed or Stop was pressed
  // (LastError says which).
  const Bitmap& TextAsImage();
  void ReleaseImage();
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  // Runs the command of a tag. After the insert command the status shows the rendering's error
  // ("Task cancelled" after Stop) when the rendering failed, else "Ready".
  void Click(int tag);

  // The published properties.
  [[nodiscard]] const Font& TextFont() const { return font_; }
  // The memo background follows as the font colour's contrast colour.
  void SetTextFont(const Font& font);
  void SetTextColour(Colour colour);
  [[nodiscard]] bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);
  [[nodiscard]] bool OnTop() const { return on_top_; }
  void SetOnTop(bool on);
  [[nodiscard]] std::string Text() const;  // UTF-8, lines separated by "\n"
  void SetText(std::string_view text);
  [[nodiscard]] TextInsertSettings Settings() const;
  // Position through PlaceOnScreen: at least 32 pixels of the window stay on the screen.
  void ApplySettings(const TextInsertSettings& settings);

  // The parts, for tests and screenshots.
  [[nodiscard]] QPlainTextEdit& Memo() { return *memo_; }
  [[nodiscard]] QAction& Action(int tag) { return *actions_.at(tag); }
  [[nodiscard]] QMenu& MenuOf(int tag) { return *menus_.at(tag); }
  [[nodiscard]] QToolButton& Button(int tag) { return *buttons_.at(tag); }
  [[nodiscard]] ToolPanel& Panel() { return *panel_; }
  [[nodiscard]] QStatusBar& StatusBar() { return *status_bar_; }
  [[nodiscard]] TExtProgressBar& ProgressBar() { return *progress_; }
  [[nodiscard]] QString StatusText() const;
  [[nodiscard]] QString WordWrapStatus() const;
  // The last file opened or saved ("Untitled.txt" before); the caption shows its name.
  [[nodiscard]] const std::string& FileName() const { return file_name_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class WorkScope;

  void BuildMenus();
  void BuildToolPanel();
  void BuildStatusBar();
  void MenuOpening(int menu_tag);

  // Sets the error text, shows "Working..." and is busy while `step` runs; an error box follows
  // a failed step.
  void WorkStep(std::string_view error_text, const std::function<bool()>& step);
  void ApplyBusy();
  void Insert();
  void OpenTextFile(const std::optional<std::string>& folder);
  void SaveTextFile(const std::optional<std::string>& folder);
  bool ReadIntoMemo(const std::string& path);
  bool CutOrCopy(bool cut);
  bool Paste();
  void DeleteSelection();
  void CopyFont();
  void PasteFont();

  void ShowStatus(std::string_view text);
  void ShowWordWrapStatus();
  void ShowProgress(bool visible);
  void PlaceProgressBar();
  void ShowError();
  void SetFileName(const std::string& path);

  Platform& platform_;
  TEyeDropper eye_dropper_;
  TOpenHandler open_handler_;
  TDialogSpec open_spec_;
  TDialogSpec save_spec_;

  // Children of the window, which deletes them.
  QPlainTextEdit* memo_ = nullptr;
  ToolPanel* panel_ = nullptr;
  QStatusBar* status_bar_ = nullptr;
  QLabel* word_wrap_panel_ = nullptr;
  QLabel* status_panel_ = nullptr;
  TExtProgressBar* progress_ = nullptr;
  std::map<int, QAction*> actions_;
  std::map<int, QMenu*> menus_;
  std::map<int, QToolButton*> buttons_;

  Font font_{"", 12};
  bool word_wrap_ = false;
  bool on_top_ = false;
  bool insert_enabled_ = true;
  bool host_busy_ = false;
  int work_depth_ = 0;
  bool busy_shown_ = false;
  bool rendering_ = false;
  bool rendering_failed_ = false;  // the last TextAsImage's outcome
  Bitmap image_;
  std::string last_error_;
  std::string file_name_ = "Untitled.txt";
};

}  // namespace plorvane
