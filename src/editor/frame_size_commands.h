#pragma once
// The Frame menu's size, colour and automatic-colour items: the size presets, "&Define..." with
// its input box, "Co&lor..." through the colour dialog and "Auto Colo&r".

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

class FrameSizeCommands {
 public:
  explicit FrameSizeCommands(FormServices& form) : form_(form) {}

  void Register(CommandSet& commands);
  // One undoable change to that size (the card keeps it within 0..75); nothing when equal.
  void FrameSize(int size);
  // Asks for the size in the one-line input box.
  void Define1Click();

 private:
  FormServices& form_;
};

// "Auto Colo&r" of the Frame menu is offered only when it would change the frame's colour; the
// Frame menu calls this as it opens.
void ShowFrameColourItemStates(FormServices& form, MenuIndex& menus);

}  // namespace plorvane
