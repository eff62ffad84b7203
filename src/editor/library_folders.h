#pragma once
// The library folders of cards, pictures, animations, cursors and sounds, and the commands that
// show one of them in the desktop's file browser.

#include <string>

#include "editor/dialog_specs.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

// The library folder of that name in the maker's menu tree (created when missing), ending in "/".
std::string LibraryFolder(const std::string& name);

// Opens the folder of the last file chosen in that kind of dialog, or its library folder while
// none was chosen yet.
void ViewFolder(FormServices& form, const TDialogSpec& spec);

// "Vie&w Folder" of the Picture, Animation, Cursor and Sound menus.
void RegisterViewFolderCommands(CommandSet& commands, FormServices& form, const DialogSpecs& specs);

}  // namespace plorvane
