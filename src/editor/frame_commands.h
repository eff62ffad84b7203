#pragma once
// The Frame menu's styles and collections (Ctrl+F1..F6, Shift+F1..F10), and what the menu shows
// when it opens.

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

class FrameCommands {
 public:
  explicit FrameCommands(FormServices& form) : form_(form) {}

  // `menus` is the index the Frame menu is built into; it is used when the menu opens.
  void Register(CommandSet& commands, MenuIndex& menus);
  // Applies the named preset as one undoable change.
  void FrameCollection(std::string_view preset_name);
  // The size in the "&Size" caption, the style of the card checked, styles and "Co&lor..."
  // offered only while the card has a frame.
  void Frame1Click(MenuIndex& menus);

 private:
  FormServices& form_;
};

}  // namespace plorvane
