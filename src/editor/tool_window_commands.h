#pragma once
// The Edit menu's "&Modify Animation...", "Insert Te&xt..." and "Insert &Symbol...", the
// frame-rate menu, and what the tool windows ask of the main window: a picture inserted as a
// new animation, a help page, the card picture's size, the frame-rate menu at the pointer.

#include "editor/form_services.h"
#include "editor/menu_commands.h"
#include "editor/tool_windows.h"
#include "platform/popup_menu.h"

namespace plorvane {

class ToolWindowCommands final : public ToolWindowEvents {
 public:
  // `frame_rate_menu` is the main window's PopupMenu2.
  ToolWindowCommands(FormServices& form, ToolWindows& windows, PopupMenu& frame_rate_menu)
      : form_(form), windows_(windows), frame_rate_menu_(frame_rate_menu) {}

  void Register(CommandSet& commands);

  // ToolWindowEvents
  void OnInsert(ToolWindow sender) override;
  void OnHelp(ToolWindow sender) override;
  void OnSync() override;
  void OnFpsMenu() override;

 private:
  FormServices& form_;
  ToolWindows& windows_;
  PopupMenu& frame_rate_menu_;
};

// The help page of each window.
std::string_view HelpPageOf(ToolWindow window);

}  // namespace plorvane
