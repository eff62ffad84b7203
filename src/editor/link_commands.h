#pragma once
// The Link menu's own items: the web and e-mail link prompts (also tool button 18), the link
// colour and its automatic colour, and what the menu checks as it opens.

#include <string_view>

#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

enum class LinkKind { kWeb, kEmail };

// An e-mail link starts with "mailto:" in any letter case.
[[nodiscard]] bool IsEmail(std::string_view link);

class LinkCommands {
 public:
  explicit LinkCommands(FormServices& form) : form_(form) {}

  // Registers the menu items and "LinkButton", the prompt of tool button 18.
  void Register(CommandSet& commands);
  // Asks for a link of the kind (of the current link's kind when `keep_kind`); the answer,
  // unchecked, becomes the link as one undoable change. An empty answer removes the link.
  void DefineLink(LinkKind wanted, bool keep_kind);

 private:
  FormServices& form_;
};

// "Auto Colo&r" offered only when it would change the link colour; the link's kind checked. The
// Link menu calls this as it opens.
void ShowLinkItemStates(FormServices& form, MenuIndex& menus);

}  // namespace plorvane
