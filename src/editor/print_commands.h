#pragma once
// The File menu's print commands: the card's framed bitmap to the print companion, to the system
// clipboard or to a bitmap file, all through the card clipboard.

#include "editor/dialog_specs.h"
#include "editor/form_services.h"
#include "editor/menu_commands.h"

namespace plorvane {

// Where "&Print..." finds the print companion; the start-up extraction writes it there.
std::string PrintCompanionProgram();

void RegisterPrintCommands(CommandSet& commands, FormServices& form, DialogSpecs& specs);

}  // namespace plorvane
