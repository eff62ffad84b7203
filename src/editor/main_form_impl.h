#pragma once
// The inside of TForm1, shared by the files that implement it: the form's state (main_form.cpp),
// its start-up (start_up.cpp) and the window commands it runs itself (form_commands.cpp).

#include <array>
#include <memory>
#include <string>

#include "card/card.h"
#include "clipboard/card_clipboard.h"
#include "editor/animation_commands.h"
#include "editor/clipboard_commands.h"
#include "editor/dialog_specs.h"
#include "editor/document_commands.h"
#include "editor/drag_adjust.h"
#include "editor/form_services.h"
#include "editor/frame_commands.h"
#include "editor/frame_size_commands.h"
#include "editor/help_commands.h"
#include "editor/link_commands.h"
#include "editor/main_form.h"
#include "editor/menu_commands.h"
#include "editor/picture_commands.h"
#include "editor/print_commands.h"
#include "editor/system_settings.h"
#include "editor/tool_window_commands.h"
#include "media/compact_splash.h"
#include "support/help.h"

namespace plorvane {

class TForm1::Impl final : public FormServices {
 public:
  Impl(Platform& platform, MainWindowView& view, EditorCarriers carriers, EditorStart start);
  ~Impl() override;
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  // FormServices
  Platform& platform() override { return platform_; }
  TZarvickV2& card() override { return *card_; }
  THelp& help() override { return *help_; }
  TCompactSplash& splash() override { return *splash_; }
  void SetBusy(bool busy) override;
  void ShowError(std::string_view error_text) override;

  bool FormCreate();
  void UpdateCaption();
  [[nodiscard]] bool GetBusy() const;
  void Timer1Timer();
  void ExitSystem();
  void SetOnTop(bool on_top);
  [[nodiscard]] bool GetOnTop() const { return on_top_; }
  void SetPause(bool paused);
  [[nodiscard]] bool GetPause() const;
  void SetLock(bool locked);
  [[nodiscard]] bool GetLock() const { return ZarvickClipboard().Locked(); }
  void RunToolButton(int tag);
  // The buttons as the window shows them: enabled only where the command exists.
  void ShowState();
  [[nodiscard]] bool Running() const { return card_ != nullptr; }

  Platform& platform_;
  MainWindowView& view_;
  const EditorCarriers carriers_;
  const EditorStart start_;
  std::string caption_ = "Form1";
  std::string error_text_;
  bool need_support_files_ = true;
  bool on_top_ = false;

  std::unique_ptr<TCompactSplash> splash_;
  std::unique_ptr<TZarvickV2> card_;
  std::unique_ptr<THelp> help_;
  // Made at their step of the start-up.
  std::array<ToolButtonState, kToolButtonCount> buttons_{};
  // What the busy state and the timer say of each button, before the command's existence.
  std::array<bool, kToolButtonCount> button_allowed_{};
  DialogSpecs specs_;

  CommandSet commands_;
  MenuIndex menus_;
  PopupMenu main_menu_;
  PopupMenu popup_menu1_;
  PopupMenu popup_menu2_;
  DocumentCommands documents_;
  FrameCommands frames_;
  FrameSizeCommands frame_sizes_{*this};
  LinkCommands links_{*this};
  AdjustButtonDrag drag_{*this};
  HelpCommands helps_;
  AnimationCommands animations_;
  PictureCommands pictures_;
  ToolWindows* tool_windows_;  // nullptr for a strip without them
  std::unique_ptr<ToolWindowCommands> tool_window_commands_;

 private:
  // The card the legacy reader and the card clipboard work on; nullptr before the card goes.
  void ConnectCard(TZarvickV2* card);
  void RegisterFormCommands();
  void File1Click();
  [[nodiscard]] bool PrintCompanionPresent() const;
  [[nodiscard]] ToolButtonState& Button(int tag) { return buttons_[static_cast<std::size_t>(tag - 1)]; }
  [[nodiscard]] bool& Allowed(int tag) { return button_allowed_[static_cast<std::size_t>(tag - 1)]; }
  // Start-up steps that can fail on their own.
  bool ExtractCriticalParts();
  void CopyEditorForPlayer();
  void OpenFirstArgument();
  void ApplySettings();
  // The tool windows' settings files and the editor's own.
  void SaveAllSettings();
  void WireToolWindows();
};

}  // namespace plorvane
