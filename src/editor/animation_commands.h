#pragma once
// The Animation menu and the card window's popup menu of the same commands: arranging, copying
// and pasting the card's animations through the card clipboard, their flags, outlines and lock,
// and adding animations from files.

#include <optional>
#include <string>

#include "editor/dialog_specs.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"
#include "media/open_handler.h"

namespace plorvane {

class AnimationCommands {
 public:
  AnimationCommands(FormServices& form, DialogSpecs& specs);

  // `menus` is the index both menus are built into; it is used when they open.
  void Register(CommandSet& commands, MenuIndex& menus);
  // The states as a menu opens: the popup offers "Bring to Top" and "Send to Bottom" only where
  // the focused element can still move that way.
  void ShowStates(MenuIndex& menus, bool popup) const;
  // Adds the animation or, for ".SAG" in any letter case, the animation group the user picks.
  void OpenAnimation(TDialogSpec& spec, const std::optional<std::string>& folder);

 private:
  FormServices& form_;
  DialogSpecs& specs_;
  TOpenHandler open_handler_;
};

}  // namespace plorvane
