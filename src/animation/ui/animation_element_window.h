#pragma once
// TAnimationElementWindow: the editor's small tool window for the selected animation element:
// transparency, flip, mirror, speed, flash and scrolling, plus duplicate, drawing order, copy and
// paste. Every change goes straight back into the element through the card clipboard, so the
// card shows it at once; every change of the card's animation group refreshes the window while
// it is the group's listener.
//
//   TAnimationElementWindow window(platform, ZarvickClipboard());
//   window.OnFpsMenu = [&] { /* pop up the frame-rate menu, which calls window.SetFps(rate) */ };
//   window.OnHelp = [&] { /* show the window's help page */ };
//   window.LoadSettings();
//   window.Attach();
//   ...
//   window.Show();            // "Modify Animation..."
//   ...
//   window.SaveSettings();    // at exit
//
// The window reaches the card only through the clipboard's card, which may be missing or be
// replaced by another card at any time: without a card, or while the current group listens to
// someone else, it shows that nothing is selected.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/popup_menu.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollBar;
class QToolButton;

namespace plorvane {

class Platform;
class QtMenuBar;
class TSAG;
class TZarvickClipboard;
class ToolPanel;
struct AnimationElementSettings;

class TAnimationElementWindow {
 public:
  static constexpr std::string_view kSettingsFile = "TAnimationElementWindow.INI";

  // The commands of the menus and the tool buttons.
  enum Command {
    kClose = 2,
    kEditOpening = 3,
    kDuplicate = 4,
    kBringToTop = 5,
    kSendToBottom = 6,
    kCut = 7,
    kCopy = 8,
    kPaste = 9,
    kDelete = 10,
    kOnTop = 11,
    kHelpOpening = 12,
    kHelp = 13,
    kDragWindow = 14,
  };

  // Both must outlive the window. The form is made hidden, laid out and centred on the screen.
  TAnimationElementWindow(Platform& platform, TZarvickClipboard& clipboard);
  // Stops listening to the group of the clipboard's card (which must still be alive, or unset).
  ~TAnimationElementWindow();
  TAnimationElementWindow(const TAnimationElementWindow&) = delete;
  TAnimationElementWindow& operator=(const TAnimationElementWindow&) = delete;

  // Makes the window the listener of the current card's animation group and refreshes it.
  void Attach();
  [[nodiscard]] bool IsListener() const;
  // Attaches when not the listener (refreshes otherwise), brings the form back from minimised
  // and shows it.
  void Show();
  // A choice of the frame-rate menu: 0 (or less) is still, otherwise 1000 div fps ms. The bar
  // moves there, which applies it; `apply` also writes the element when the bar did not move.
  void SetFps(int frames_per_second, bool apply = true);
  // Shows the selected element's settings again.
  void Refresh();

  [[nodiscard]] bool OnTop() const;
  void SetOnTop(bool on_top);

  // The position, stay-on-top and visibility in the settings folder; the size is written but
  // never applied. Failures only set LastError.
  bool SaveSettings();
  bool LoadSettings();
  [[nodiscard]] const std::string& LastError() const { return last_error_; }

  [[nodiscard]] QMainWindow& Form() { return *form_; }
  // &File, &Edit and &Help, as the form's menu bar shows them.
  [[nodiscard]] PopupMenu& MainMenu() { return menu_model_; }
  // The main window's frame-rate menu, popped up from the "..." button.
  std::function<void()> OnFpsMenu;
  // The window's help page.
  std::function<void()> OnHelp;

 private:
  struct Listener;
  enum class Sender { kControl, kFpsButton };

  void RunCommand(Command command);
  void BuildMenus();
  void BuildToolPanel(QWidget& client);
  // The column of controls under the panel; answers the bottom of its last control.
  int BuildOptions(QWidget& client, int top);
  [[nodiscard]] TSAG* Group() const;
  void ShowDragging(bool dragging);
  void ShowEditMenu();
  // The controls into the selected element; nothing without a selection of the group listened to.
  void Apply(Sender sender);
  void IntervalFromBar(int position);
  [[nodiscard]] AnimationElementSettings CurrentSettings() const;
  void ApplySettings(const AnimationElementSettings& settings);

  Platform& platform_;
  TZarvickClipboard& clipboard_;
  std::unique_ptr<QMainWindow> form_;
  PopupMenu menu_model_;
  std::unique_ptr<QtMenuBar> menu_bar_;
  PopupMenu* edit_menu_ = nullptr;
  PopupMenu* help_menu_ = nullptr;

  // Children of the form.
  ToolPanel* panel_ = nullptr;
  QToolButton* duplicate_ = nullptr;
  QToolButton* bring_to_top_ = nullptr;
  QToolButton* send_to_bottom_ = nullptr;
  QToolButton* copy_ = nullptr;
  QToolButton* paste_ = nullptr;
  QToolButton* drag_ = nullptr;
  QCheckBox* transparent_ = nullptr;
  QCheckBox* flip_ = nullptr;
  QCheckBox* mirror_ = nullptr;
  QLabel* speed_label_ = nullptr;
  QScrollBar* speed_bar_ = nullptr;
  QToolButton* fps_button_ = nullptr;
  QComboBox* flash_ = nullptr;
  QComboBox* horizontal_amount_ = nullptr;
  QComboBox* horizontal_direction_ = nullptr;
  QComboBox* vertical_amount_ = nullptr;
  QComboBox* vertical_direction_ = nullptr;
  QLabel* status_ = nullptr;

  // The interval the speed bar stands for: the element's own until the bar is moved, so an
  // interval the bar cannot show survives changes of the other settings.
  int interval_ = 0;
  // The same for the scroll steps, which may lie beyond the lists' 50%.
  int horizontal_step_ = 0;
  int vertical_step_ = 0;
  // Set while Refresh fills the controls, whose change signals must not apply anything.
  bool filling_ = false;
  std::string last_error_;
};

}  // namespace plorvane
